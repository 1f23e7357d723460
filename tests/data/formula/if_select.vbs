' If in block and single-line forms, ElseIf chains, and Select Case with lists, ranges and Is.
x = 5
If x > 3 Then
  a = "big"
ElseIf x > 1 Then
  a = "mid"
Else
  a = "small"
End If
a2 = a                                     ' expect: big
If x > 10 Then
  b = 1
ElseIf x > 4 Then
  b = 2
ElseIf x > 0 Then
  b = 3
End If
b2 = b                                     ' expect: 2
If x = 1 Then c = "one" Else c = "other"
c2 = c                                     ' expect: other
If x = 5 Then d = 1: d = d + 1
d2 = d                                     ' expect: 2
If x = 6 Then e = 1: e = e + 1
e2 = IsEmpty(e)                            ' expect: True
If x > 1 Then If x > 4 Then f = "both" Else f = "outer only"
f2 = f                                     ' expect: both
If Null Then g = "yes" Else g = "no"
g2 = g                                     ' expect: no
If "True" Then h = 1
h2 = h                                     ' expect: 1
If x Then
Else
  i = "not reached"
End If
i2 = IsEmpty(i)                            ' expect: True
Function Kind(v)
  Select Case v
    Case 1, 2, 3
      Kind = "few"
    Case 4 To 9
      Kind = "several"
    Case "x", "y"
      Kind = "letter"
    Case Is >= 100
      Kind = "lots"
    Case Else
      Kind = "other"
  End Select
End Function
k = Kind(2) & "," & Kind(9) & "," & Kind(500) & "," & Kind("y") & "," & Kind(50) ' expect: few,several,lots,letter,other
Select Case "b"
  Case "a" To "c": l = "in range"
End Select
l2 = l                                     ' expect: in range
Select Case 3
  Case 1: m = "one"
End Select
m2 = IsEmpty(m)                            ' expect: True
Select Case 2
  Case 1, 2: n = "first match"
  Case 2: n = "second match"
End Select
n2 = n                                     ' expect: first match

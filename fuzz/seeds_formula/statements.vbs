x = 1.5
Dim T(3)
T(0) = 2: T(1) = x * 2
y = x + T(1) ^ 2
s = "a" & y
Function Sq(v)
  Sq = v * v
End Function
z = Sq(4)
If z > 10 Then
  big = True
Else
  big = False
End If
For i = 1 To 5 Step 2
  acc = acc + i
Next
Select Case z
  Case 1, 2: sel = "small"
  Case 10 To 20: sel = "mid"
  Case Else: sel = "other"
End Select
n = 0
Do While n < 10
  n = n + 3
Loop
w = 7 \ 2 & "|" & 7 Mod 3 & "|" & -7 Mod 3

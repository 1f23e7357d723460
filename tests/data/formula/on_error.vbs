' On Error Resume Next continues after a failing statement and fills Err; GoTo 0 ends that.
On Error Resume Next
x = 1 / 0
n = Err.Number                             ' expect: 11
d = Err.Description                        ' expect: Division by zero
Err.Clear
n2 = Err.Number                            ' expect: 0
y = "abc" * 2
n3 = Err.Number                            ' expect: 13
after = "continued"                        ' expect: continued
Err.Raise 1000, "mine", "Custom failure"
n4 = Err.Number & " " & Err.Description & " " & Err.Source ' expect: 1000 Custom failure mine
Err.Raise 9
n5 = Err.Description                       ' expect: Subscript out of range
' VBScript enters the block of an If whose condition fails.
If 1 / 0 > 5 Then quirk = "entered"
quirk2 = quirk                             ' expect: entered
Sub Inner()
  inner1 = 1 / 0
  innerReached = True
End Sub
Inner
n6 = Err.Number & IsEmpty(innerReached)    ' expect: 11True
On Error GoTo 0
n7 = Err.Number                            ' expect: 0
z = Sqr(-1)                                ' expect error line 26: Invalid procedure call or argument

' A runtime error stops the run at its line; what ran before it stays.
x = 1
y = x + 1                                  ' expect: 2
If y > 1 Then
  z = x / (y - 2)                          ' expect error line 5: Division by zero
End If
never = 1

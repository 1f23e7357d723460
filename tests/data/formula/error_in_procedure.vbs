' An error inside a procedure reports the procedure's line, not the caller's.
Function Ratio(a, b)
  Ratio = a / b                            ' expect error line 3: Division by zero
End Function
ok = Ratio(6, 3)                           ' expect: 2
bad = Ratio(1, 0)

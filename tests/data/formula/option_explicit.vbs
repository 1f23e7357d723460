Option Explicit
' With Option Explicit every name must be declared before use.
Dim declared, arr(2)
Const Limit = 10
declared = Limit * 2                       ' expect: 20
arr(1) = "ok"
Function Half(v)
  Dim h
  h = v / 2
  Half = h
End Function
half1 = 1                                  ' expect error line 12: Variable is undefined: 'half1'

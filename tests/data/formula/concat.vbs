' Concatenation converts every operand to text; Null and Empty count as "".
a = "x" & 1.5 & True                       ' expect: x1.5True
b = 1 & 2: tb = TypeName(b)              ' expect: String
b2 = b                                     ' expect: 12
c = "a" & Null & "b"                       ' expect: ab
d = IsNull(Null & Null)                    ' expect: True
e = "[" & Empty & "]"                      ' expect: []
f = 1 + 2 & 3 + 4                          ' expect: 37
g = "v=" & 0.00001                         ' expect: v=1E-5

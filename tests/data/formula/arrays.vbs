' Arrays: Dim with bounds, several dimensions, ReDim and ReDim Preserve, Erase, bounds, Array(), copies.
Dim t(3)
t(0) = 1.5: t(3) = "last"
a = UBound(t) & LBound(t)                  ' expect: 30
b = t(0) + 1                               ' expect: 2.5
c = IsEmpty(t(1))                          ' expect: True
Dim m(2, 4)
m(2, 4) = "corner"
d = UBound(m, 1) & UBound(m, 2) & m(2, 4)  ' expect: 24corner
Dim dyn()
ReDim dyn(2)
dyn(2) = "x"
ReDim Preserve dyn(5)
e = UBound(dyn) & dyn(2)                   ' expect: 5x
ReDim dyn(1)
f = IsEmpty(dyn(0)) & UBound(dyn)          ' expect: True1
ReDim cube(1, 1, 1)
cube(1, 1, 1) = 8
g = cube(1, 1, 1)                          ' expect: 8
h = Array(10, 20, 30)
h2 = h(1) & UBound(h)                      ' expect: 202
i = Array()
i2 = UBound(i)                             ' expect: -1
copy = h
copy(0) = 99
j = h(0) & "," & copy(0)                   ' expect: 10,99
Erase t
k = IsEmpty(t(0)) & UBound(t)              ' expect: True3
nested = Array(Array(1, 2), Array(3, 4))
l = nested(1)(0)                           ' expect: 3
m2 = IsArray(h) & IsArray(5)               ' expect: TrueFalse
n = TypeName(h) & VarType(h)               ' expect: Variant()8204
Function MakeArray(n)
  Dim r()
  ReDim r(n)
  For q = 0 To n: r(q) = q * q: Next
  MakeArray = r
End Function
o = MakeArray(4)
o2 = o(4) & UBound(o)                      ' expect: 164
Sub Fill(arr)
  arr(0) = "filled"
End Sub
Fill h
p = h(0)                                   ' expect: filled
ReDim Preserve grow(2, 1)
grow(2, 1) = 1
ReDim Preserve grow(2, 3)
r = UBound(grow, 2) & grow(2, 1)           ' expect: 31

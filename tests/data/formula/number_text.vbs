' Numbers become text by the float-to-text rule: 15 significant digits, exponent outside -3..15.
a = CStr(0.0001)               ' expect: 0.0001
b = CStr(0.00001)              ' expect: 1E-5
c = CStr(123456789012345)      ' expect: 123456789012345
d = "" & 1E15                  ' expect: 1E15
e = "" & (0.1 + 0.2)           ' expect: 0.3
f = "" & (-1.5E-7)             ' expect: -1.5E-7
g = "" & (1 / 3)               ' expect: 0.333333333333333
h = "" & 100                   ' expect: 100
i = "" & CSng(1 / 3)           ' expect: 0.3333333
j = "" & 2.5E20                ' expect: 2.5E20
k = "" & -0                    ' expect: 0

' Not, And, Or, Xor, Eqv, Imp: logical on Booleans, bitwise on numbers, three-valued with Null.
a = (True And False) & (True Or False) & (True Xor True) & (True Eqv False) & (False Imp False) ' expect: FalseTrueFalseFalseTrue
b = Not True                               ' expect: False
c = 12 And 10                              ' expect: 8
d = 12 Or 3                                ' expect: 15
e = 12 Xor 10                              ' expect: 6
f = Not 0                                  ' expect: -1
g = Not 5: tg = TypeName(g)              ' expect: Integer
h = 5 Eqv 3                                ' expect: -7
i = 5 Imp 3                                ' expect: -5
j = True And 5                             ' expect: 5
k = (Null And False) & ""                  ' expect: False
l = IsNull(Null And True)                  ' expect: True
m = (Null Or True) & ""                    ' expect: True
n = IsNull(Null Or False)                  ' expect: True
o = IsNull(Null Xor True) And IsNull(Not Null) ' expect: True
p = (False Imp Null) & ""                  ' expect: True
q = IsNull(True Imp Null)                  ' expect: True
r = (Null Imp True) & ""                   ' expect: True
s = True Or False And False                ' expect: True
t = Not False And False                    ' expect: False
u = 1 Or 2 Xor 3                           ' expect: 0
v = CByte(1) Or CByte(2): tv = TypeName(v) ' expect: Byte

' Arithmetic with mixed subtypes: promotion, overflow into wider subtypes, Empty, Null, text.
a = 32767 + 1: ta = TypeName(a)          ' expect: Long
a2 = a                                     ' expect: 32768
b = 2147483647 + 1: tb = TypeName(b)     ' expect: Double
c = 200 * 200: tc = TypeName(c)          ' expect: Long
d = CByte(200) + CByte(100): td = TypeName(d) ' expect: Integer
d2 = CByte(2) * CByte(3): td2 = TypeName(d2) ' expect: Byte
e = 1 + 0.5: te = TypeName(e)            ' expect: Double
f = CSng(1.5) + 1: tf = TypeName(f)      ' expect: Single
g = CSng(1.5) + CLng(1): tg = TypeName(g) ' expect: Double
h = 10 / 4: th = TypeName(h)             ' expect: Double
h2 = h                                     ' expect: 2.5
i = 7 \ 2                                  ' expect: 3
i2 = -7 \ 2                                ' expect: -3
i3 = 7.5 \ 2                               ' expect: 4
i4 = 6.5 \ 2                               ' expect: 3
j = 7 Mod 3                                ' expect: 1
j2 = -7 Mod 3                              ' expect: -1
j3 = 7 Mod -3                              ' expect: 1
j4 = 5.5 Mod 2                             ' expect: 0
k = 2 ^ 10: tk = TypeName(k)             ' expect: Double
k2 = k                                     ' expect: 1024
l = -2 ^ 2                                 ' expect: -4
l2 = 2 ^ -1                                ' expect: 0.5
l3 = 2 ^ 3 ^ 2                             ' expect: 64
m = 1 + 2 * 3 - 4 / 2                      ' expect: 5
m2 = 10 - 2 - 3                            ' expect: 5
m3 = 2 * 3 Mod 4                           ' expect: 2
m4 = 7 \ 2 * 2                             ' expect: 1
n = "3" + 4: tn = TypeName(n)            ' expect: Double
n2 = n                                     ' expect: 7
o = "3" + "4"                              ' expect: 34
p = "3" * "4"                              ' expect: 12
q = Empty + 5: tq = TypeName(q)          ' expect: Integer
q2 = Empty + Empty: tq2 = TypeName(q2)   ' expect: Integer
q3 = Empty + "x"                           ' expect: x
q4 = Empty * 2.5                           ' expect: 0
r = IsNull(Null + 1) And IsNull(2 * Null) And IsNull(Null \ 2) And IsNull(-Null) ' expect: True
s = True + True: ts = TypeName(s)        ' expect: Integer
s2 = s                                     ' expect: -2
t = CInt(-32768): tt = TypeName(t)       ' expect: Integer
u = -t: tu = TypeName(u)                 ' expect: Long
v = -"2.5"                                 ' expect: -2.5
w = 1E308 * 1E-308                         ' expect: 1
x = 5 - -3                                 ' expect: 8
y = 0.1 * 3                                ' expect: 0.3

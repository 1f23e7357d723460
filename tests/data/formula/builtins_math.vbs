' The numeric built-ins: Abs Atn Cos Exp Fix Int Log Rnd Round Sgn Sin Sqr Tan.
a = Abs(-3) & TypeName(Abs(-3))            ' expect: 3Integer
a2 = Abs(-2.5)                             ' expect: 2.5
a3 = IsNull(Abs(Null))                     ' expect: True
a4 = TypeName(Abs(CInt(-32768)))           ' expect: Long
b = Atn(1) * 4                             ' expect: 3.14159265358979
c = Cos(0) + Sin(0) + Tan(0)               ' expect: 1
c2 = Sin(Atn(1) * 2)                       ' expect: 1
d = Exp(1)                                 ' expect: 2.71828182845905
e = Log(Exp(2))                            ' expect: 2
f = Sqr(16) & TypeName(Sqr(16))            ' expect: 4Double
g = Fix(-2.5) & " " & Int(-2.5)            ' expect: -2 -3
g2 = Fix(2.7) & " " & Int(2.7)             ' expect: 2 2
g3 = TypeName(Int(5)) & TypeName(Int(2.7)) ' expect: IntegerDouble
h = Round(2.5) & " " & Round(3.5) & " " & Round(-2.5) ' expect: 2 4 -2
h2 = Round(1.2345, 2)                      ' expect: 1.23
h3 = Round(0.125, 2)                       ' expect: 0.12
h4 = Round(7) & TypeName(Round(7))         ' expect: 7Integer
h5 = Round(1234.5678, 0)                   ' expect: 1235
i = Sgn(-5) & Sgn(0) & Sgn(3.2)            ' expect: -101
j = Rnd                                    ' expect: 0.7055475
j2 = Rnd()                                 ' expect: 0.533424
j3 = Rnd(0)                                ' expect: 0.533424
j4 = Rnd(-1)                               ' expect: 0.224007
j5 = TypeName(j)                           ' expect: Single
' Rnd with a negative argument and then Randomize with a number repeat a sequence.
x = Rnd(-1): Randomize 42: r1 = Rnd
x = Rnd(-1): Randomize 42: r2 = Rnd
k = (r1 = r2) And r1 >= 0 And r1 < 1       ' expect: True

' Comparisons: numbers, texts, Empty, Null, and a number against a text.
a = (1 < 2) & (2 <= 2) & (3 > 2) & (3 >= 4) & (1 = 1) & (1 <> 1) ' expect: TrueTrueTrueFalseTrueFalse
b = ("abc" < "abd") & ("B" < "a") & ("abc" = "ABC") ' expect: TrueTrueFalse
c = ("ab" < "abc")                         ' expect: True
d = (Empty = 0) & (Empty = "") & (Empty < 1) ' expect: TrueTrueTrue
e = IsNull(Null = Null) And IsNull(1 < Null) ' expect: True
x = "5": y = 5
f = (x = y)                                ' expect: False
g = (x > y)                                ' expect: True
h = (x = 5)                                ' expect: True
i = (y = "5")                              ' expect: True
k = (True = -1)                            ' expect: True
l = (1 = 1.0)                              ' expect: True
m = 1 = 1 And 2 = 2                        ' expect: True
n = Not 1 = 2                              ' expect: True
o = 1 + 1 = 2                              ' expect: True
p = "a" & "b" = "ab"                       ' expect: True
q = Nothing Is Nothing                     ' expect: True

' Assignments, literals, names, comments, separators and line continuation.
a = 12.5                       ' expect: 12.5
Let b = 3                      ' expect: 3
tb = TypeName(b)               ' expect: Integer
c = 32768: tc = TypeName(c)    ' expect: Long
d = 3000000000: td = TypeName(d) ' expect: Double
e = 1.5E3                      ' expect: 1500
f = 2.5e-3                     ' expect: 0.0025
g = .5                         ' expect: 0.5
h = &HFF                       ' expect: 255
i = &HFFFF                     ' expect: -1
j = &HFFFF&                    ' expect: 65535
k = &O17                       ' expect: 15
s = "say ""hi"""               ' expect: say "hi"
MiXeD = 4
m = mixed * MIXED              ' expect: 16
total = 1 + _
        2 + _
        3
total2 = total                 ' expect: 6
Rem a whole-line remark
n = 7 ' a trailing comment with = and : inside
n2 = n                         ' expect: 7
crlf = Len(vbCrLf) & Len(vbTab) & Len(vbLf) & Len(vbCr) ' expect: 2111
t = True: f2 = False: tt = t & f2 ' expect: TrueFalse
em = IsEmpty(Empty) And IsNull(Null) And IsEmpty(neverAssigned) ' expect: True
[odd name] = 5
bracket = [odd name] * 2       ' expect: 10

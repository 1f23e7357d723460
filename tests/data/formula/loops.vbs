' For with steps, For Each, Do in its four forms, While...Wend, and Exit For / Exit Do.
For i = 1 To 10
  s = s + i
Next
s2 = s                                     ' expect: 55
i2 = i                                     ' expect: 11
For j = 10 To 1 Step -3
  t = t & j & " "
Next
t2 = t                                     ' expect: "10 7 4 1 "
For k = 0 To 1 Step 0.25
  u = u + 1
Next
u2 = u                                     ' expect: 5
For m = 5 To 1
  never = True
Next
m2 = IsEmpty(never) & m                    ' expect: True5
For n = 1 To 3
  For p = 1 To 3
    If p = 2 Then Exit For
    q = q + 1
  Next
Next
q2 = q                                     ' expect: 3
For Each v In Array(1, 2, 3, 4)
  w = w + v
Next
w2 = w                                     ' expect: 10
Dim grid(1, 2)
For r = 0 To 1: For c = 0 To 2: grid(r, c) = r & c: Next: Next
For Each cell In grid
  order = order & cell & " "
Next
order2 = order                             ' expect: "00 10 01 11 02 12 "
d = 0
Do While d < 5
  d = d + 2
Loop
d2 = d                                     ' expect: 6
e = 0
Do Until e >= 5
  e = e + 2
Loop
e2 = e                                     ' expect: 6
f = 10
Do
  f = f + 1
Loop While f < 5
f2 = f                                     ' expect: 11
g = 10
Do
  g = g + 1
Loop Until True
g2 = g                                     ' expect: 11
h = 0
Do
  h = h + 1
  If h = 7 Then Exit Do
Loop
h2 = h                                     ' expect: 7
x = 0
While x < 3
  x = x + 1
Wend
x2 = x                                     ' expect: 3
For y = 1 To 3
  Do
    Exit For
  Loop
  z = "not reached"
Next
y2 = y & IsEmpty(z)                        ' expect: 1True
For a = 1 To 3
  a = a + 1
Next
a2 = a                                     ' expect: 5

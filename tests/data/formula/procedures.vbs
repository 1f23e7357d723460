' Functions and Subs: parameters ByVal and ByRef, Call, recursion, Exit, and which variables are shared.
Function Fact(n)
  If n <= 1 Then
    Fact = 1
  Else
    Fact = n * Fact(n - 1)
  End If
End Function
a = Fact(10)                               ' expect: 3628800
Sub AddOne(ByRef v)
  v = v + 1
End Sub
Sub AddOneByVal(ByVal v)
  v = v + 1
End Sub
Sub AddDefault(v)
  v = v + 1
End Sub
b = 1
AddOne b
AddOneByVal b
AddDefault b
Call AddOne(b)
b2 = b                                     ' expect: 4
c = 1
AddOne (c)
c2 = c                                     ' expect: 1
Function Twice(x)
  Twice = x * 2
  Exit Function
  Twice = 0
End Function
d = Twice(21)                              ' expect: 42
e = Later(3)                               ' expect: 9
Function Later(x)
  Later = x * x
End Function
counter = 10
Sub Bump()
  counter = counter + 1
  localOnly = 5
End Sub
Bump
Bump
f = counter                                ' expect: 12
g = IsEmpty(localOnly)                     ' expect: True
Sub Early(ByRef r)
  r = "set"
  Exit Sub
  r = "not reached"
End Sub
Early h
h2 = h                                     ' expect: set
Function NoResult()
End Function
i = IsEmpty(NoResult())                    ' expect: True
Function Sum3(p, q, r)
  Sum3 = p + q + r
End Function
j = Sum3(1, 2, 3)                          ' expect: 6
Function Fib(n)
  If n < 2 Then Fib = n Else Fib = Fib(n - 1) + Fib(n - 2)
End Function
k = Fib(15)                                ' expect: 610
Function Shadow(counter)
  Shadow = counter * 100
End Function
l = Shadow(2) & "," & counter              ' expect: 200,12
Function WithLocal()
  Dim counter
  counter = 1
  WithLocal = counter
End Function
m = WithLocal() & "," & counter            ' expect: 1,12
Function NoArgs
  NoArgs = "called"
End Function
n = NoArgs                                 ' expect: called
n2 = NoArgs()                              ' expect: called
Sub Swap(x, y)
  Dim t
  t = x: x = y: y = t
End Sub
p = "left": q = "right"
Swap p, q
pq = p & "-" & q                           ' expect: right-left

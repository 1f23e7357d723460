Option Explicit
Dim a(2, 1), s, i, r
Const K = 2.5
Function F(ByVal x, ByRef y)
  y = y + 1
  If x <= 1 Then F = 1 Else F = x * F(x - 1, y)
End Function
Sub S(n)
  On Error Resume Next
  n = 1 / 0
  If Err.Number <> 0 Then n = Err.Description
  Err.Clear
End Sub
r = 0
s = F(5, r)
S i
a(1, 1) = "x" & K
ReDim b(3)
ReDim Preserve b(5)
For Each v In Array(1, "2", Null, Empty, True)
  t = t & TypeName(v)
Next
w = Split("a,b,c", ",")
j = Join(w, "-") & UBound(w) & Mid("hello", 2, 3) & InStr(1, "abc", "C", 1)
Do Until i >= 3: i = i + 1: Loop
While i > 0: i = i - 1: Wend
x = Not 5 And &HFF Or 3 Xor 1 Eqv 2 Imp 0
y = 2 ^ -1 + 7 \ 2 - 7 Mod 3 & ""
z = FormatNumber(1234.567, 1) & Hex(-1) & Oct(8) & Round(2.5) & CInt("3")

' The shape of every engineering formula run: constants, hand-over values, arrays, then the formula.
g=9.80665
pi=3.14159265358979
JL = 0.00123
MotorInertia = 0.000267
Dim Torque(3)
Dim Duration(3)
Torque(0) = 1.5
Torque(1) = 0.3
Torque(2) = -1.2
Torque(3) = 0
Duration(0) = 0.2
Duration(1) = 1
Duration(2) = 0.2
Duration(3) = 0.6
CycleTime = 2
Sum = 0
For i = 0 To 3
  Sum = Sum + Torque(i) ^ 2 * Duration(i)
Next
Trms = Sqr(Sum / CycleTime)                ' expect: 0.643428317685817
Ratio = JL / MotorInertia                  ' expect: 4.60674157303371
Ok = Trms <= 1.27 And Ratio <= 10          ' expect: True
Weight = 25 * g                            ' expect: 245.16625

g=9.80665
JL = 1.23E-3
Dim Torque(3)
Torque(0) = 1.5
Torque(3) = -2E-5
Trms = Sqr((Torque(0) ^ 2 + Torque(3) ^ 2) / 2)
If Trms < 2 Then Result = True Else Result = False

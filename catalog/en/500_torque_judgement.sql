-- Interval torque, torque-list figures, judgement, regeneration and stopping-accuracy
-- formulas (SI inside: N·m, kg·m², r/min, s, W, J, V). See catalog/README.md, "Judgement".

-- The fixed-direction share of an interval (gravity, constant forces) follows the power flow:
-- TH (efficiencies divided, the motor drives it) when it acts against the motion, TD
-- (efficiencies multiplied, it drives the motor) when it acts along the motion, TH at
-- standstill. Taking whichever needs more motor torque along the motion (MoveDir * share) is
-- that rule, and stays on the safe side should the shares of a chain have mixed signs.
-- At standstill a TD of the opposite sign to TH means the load cannot turn the motor (a
-- self-locking worm or lead screw, whose TD is the push the motor must give to lower it):
-- the transmission holds the load by itself and the motor holds nothing.

INSERT INTO m_drive_pattern (mdp_class, mdp_value) VALUES
('TorqueValueFormula',
'If V = 0 Then FSpeed = 0 Else FSpeed = Frequency / V
MoveDir = Sgn(Frequency + PreFrequency)
FStop = MoveDir
Alpha = 0
If TimeInterval > 0 Then Alpha = (Frequency - PreFrequency) * 2 * PI / 60 / TimeInterval
FAdjustableSpeedTorque = (JL + RotorInertia) * Alpha
FFrictionTorque = TF * MoveDir
FStartingTorque = 0
If PreFrequency = 0 And Frequency <> 0 Then FStartingTorque = TU * MoveDir
FEpigeneConservation = TH
If MoveDir * TD > MoveDir * TH Then FEpigeneConservation = TD
If MoveDir = 0 And TH * TD < 0 Then FEpigeneConservation = 0
ResistTorque = FFrictionTorque
If Abs(FStartingTorque) > Abs(FFrictionTorque) Then ResistTorque = FStartingTorque
FIntervalTorque = FAdjustableSpeedTorque + ResistTorque + FEpigeneConservation
FIntervalTorqueS = FAdjustableSpeedTorque * Modulus + ResistTorque + FEpigeneConservation'),

('NecessityMaxTorque',
'NecessityMaxTorque = 0
NecessityMaxTorqueS = 0
For i = 1 To UBound(Torque)
  If Abs(Torque(i)) > NecessityMaxTorque Then NecessityMaxTorque = Abs(Torque(i))
  If Abs(TorqueS(i)) > NecessityMaxTorqueS Then NecessityMaxTorqueS = Abs(TorqueS(i))
Next'),

('EffectiveTorqueFormula',
'SumSquare = 0
SumTime = 0
For i = 1 To UBound(IntervalTorque)
  SumSquare = SumSquare + IntervalTorque(i) ^ 2 * IntervalTime(i)
  SumTime = SumTime + IntervalTime(i)
Next
If SumTime > 0 Then EffectiveTorque = Sqr(SumSquare / SumTime) Else EffectiveTorque = 0'),

('MotorRunningTorqueMax',
'MotorRunningTorqueMax = 0
For i = 1 To UBound(IntervalTorque)
  If Frequency(i) = PreFrequency(i) And Frequency(i) <> 0 Then
    If Abs(IntervalTorque(i)) > MotorRunningTorqueMax Then MotorRunningTorqueMax = Abs(IntervalTorque(i))
  End If
Next'),

('MotorEpigeneTorqueMax',
'MotorEpigeneTorqueMax = 0
For i = 1 To UBound(IntervalTorque)
  If Frequency(i) = 0 And PreFrequency(i) = 0 Then
    If Abs(IntervalTorque(i)) > MotorEpigeneTorqueMax Then MotorEpigeneTorqueMax = Abs(IntervalTorque(i))
  End If
Next'),

('MotorMaxSpeedMax', 'MotorMaxSpeedMax = TorqueMaxFrequency'),

('MotorRunningTorqueMaxPercent',
'If MotorRatedTorque > 0 Then MotorRunningTorqueMaxPercent = TorqueMaxRunning / MotorRatedTorque * 100 Else MotorRunningTorqueMaxPercent = 0'),

('MotorEpigeneTorqueMaxPercent',
'If MotorRatedTorque > 0 Then MotorEpigeneTorqueMaxPercent = TorqueMaxEpigene / MotorRatedTorque * 100 Else MotorEpigeneTorqueMaxPercent = 0'),

('MotorInertiaRatio',
'If MotorRotorInertia > 0 Then MotorInertiaRatio = JL / MotorRotorInertia Else MotorInertiaRatio = 0'),

('MotorMaxTorquePercent',
'If MotorMaxTorque > 0 Then MotorMaxTorquePercent = TorqueNecessityMaxTorqueS / MotorMaxTorque * 100 Else MotorMaxTorquePercent = 0'),

('MotorNecessityMaxTorque', 'MotorNecessityMaxTorque = TorqueNecessityMaxTorqueS'),

('MaxTorqueAdjudication',
'If TorqueMaxFrequency > MotorRatedSpeed Then WarningLimit = MotorWarningTorqueHighMax Else WarningLimit = MotorWarningTorqueDefMax
If TorqueNecessityMaxTorqueS <= WarningLimit Then
  MaxTorqueAdjudication = 0
ElseIf TorqueNecessityMaxTorqueS <= MotorMaxTorque Then
  MaxTorqueAdjudication = 1
Else
  MaxTorqueAdjudication = 2
End If'),

('MotorEffectiveTorque', 'MotorEffectiveTorque = TorqueEffectiveTorque'),

('MotorEffectiveTorquePercent',
'If MotorRatedTorque > 0 Then MotorEffectiveTorquePercent = TorqueEffectiveTorque / MotorRatedTorque * 100 Else MotorEffectiveTorquePercent = 0'),

('EffectiveTorque',
'If TorqueEffectiveTorque <= MotorWarningTorqueDefEffective Then
  EffectiveTorque = 0
ElseIf TorqueEffectiveTorque <= MotorRatedTorque Then
  EffectiveTorque = 1
Else
  EffectiveTorque = 2
End If'),

('MaxSpeed',
'If TorqueMaxFrequency <= MotorRatedSpeed Then
  MaxSpeed = 0
ElseIf TorqueMaxFrequency <= MotorMaxSpeed Then
  MaxSpeed = 1
Else
  MaxSpeed = 2
End If'),

('RunningTorque',
'If TorqueMaxRunning <= MotorRunningTorque Then
  RunningTorque = 0
ElseIf TorqueMaxRunning <= MotorRatedTorque Then
  RunningTorque = 1
Else
  RunningTorque = 2
End If'),

('EpigeneTorque',
'If TorqueMaxEpigene <= MotorEpigeneTorque Then
  EpigeneTorque = 0
ElseIf TorqueMaxEpigene <= MotorRatedTorque Then
  EpigeneTorque = 1
Else
  EpigeneTorque = 2
End If'),

('Inertia',
'InertiaWarningShare = 0.8
If MotorRotorInertia > 0 Then Ratio = JL / MotorRotorInertia Else Ratio = 0
If Ratio <= MotorWarningInertia * InertiaWarningShare Then
  Inertia = 0
ElseIf Ratio <= MotorWarningInertia Then
  Inertia = 1
Else
  Inertia = 2
End If'),

('Er',
'MeanOmega = (Frequency + PreFrequency) / 2 * 2 * PI / 60
Er = -IntervalTorque * MeanOmega * TimeInterval
If Er < 0 Then Er = 0'),

('Ec',
'Ec = 0
If Er > 0 And MotorRatedTorque > 0 Then Ec = 3 * MotorPhaseResistance * (MotorRatedCurrent * Abs(IntervalTorque) / MotorRatedTorque) ^ 2 * TimeInterval
If Ec > Er Then Ec = Er'),

('Em',
'Em = 0
BusVoltage = WorkingVoltage * Sqr(2)
If Er > 0 And MotorTripSupply > BusVoltage Then Em = 0.5 * MotorCapacitor * 0.000001 * (MotorTripSupply ^ 2 - BusVoltage ^ 2)'),

('Pn',
'maxP = 0
maxPm = 0
CycleTime = 0
SumE = 0
CapacitorLeft = 0
For k = 1 To Count
  CycleTime = CycleTime + t(k)
  Ct(k) = CycleTime
  NetEnergy = Er(k) - Ec(k)
  If NetEnergy < 0 Then NetEnergy = 0
  E(k) = 0
  If Er(k) > 0 Then
    If Er(k - 1) <= 0 Then CapacitorLeft = Em(k)
    Absorbed = NetEnergy
    If Absorbed > CapacitorLeft Then Absorbed = CapacitorLeft
    CapacitorLeft = CapacitorLeft - Absorbed
    E(k) = NetEnergy - Absorbed
  End If
  Pm(k) = 0
  If t(k) > 0 Then Pm(k) = NetEnergy / t(k)
  If Pm(k) > maxPm Then maxPm = Pm(k)
  SumE = SumE + E(k)
Next
For k = 1 To Count
  If CycleTime > 0 Then P(k) = E(k) / CycleTime Else P(k) = 0
Next
If CycleTime > 0 Then maxP = SumE / CycleTime'),

('AllowableDischargeAdjudication',
'If maxP <= MotorWarningAllowableDischarge Then
  AllowableDischargeAdjudication = 0
ElseIf maxP <= MotorAllowableDischarge Then
  AllowableDischargeAdjudication = 1
Else
  AllowableDischargeAdjudication = 2
End If'),

('WarningMomentaryDischargeAdjudication',
'If maxPm <= MotorWarningMomentaryDischarge Then
  WarningMomentaryDischargeAdjudication = 0
ElseIf maxPm <= MotorMomentaryDischarge Then
  WarningMomentaryDischargeAdjudication = 1
Else
  WarningMomentaryDischargeAdjudication = 2
End If'),

('MotorAdjudication',
'If maxP <= 0 And maxPm <= 0 Then
  Result = 4
ElseIf maxPm > MotorMomentaryDischarge Then
  Result = 7
ElseIf maxP <= MotorAllowableDischarge Then
  Result = 3
ElseIf maxP <= MotorExternalResistorCapacity Then
  Result = 5
Else
  Result = 6
End If'),

('RegenerationResistanceLoadRate',
'RegenerationResistanceLoadRate = "-"
If maxP > 0 And maxPm <= MotorMomentaryDischarge Then
  If maxP <= MotorAllowableDischarge Then
    RegenerationResistanceLoadRate = Round(maxP / MotorAllowableDischarge * 100, 1)
  ElseIf maxP <= MotorExternalResistorCapacity Then
    RegenerationResistanceLoadRate = Round(maxP / MotorExternalResistorCapacity * 100, 1)
  End If
End If'),

('StraightStoppingAccuracy',
'If V > 0 And Resolution > 0 Then Ps = P * 60 / (V * Resolution) + B Else Ps = 0'),

('RollingStoppingAccuracy',
'If V > 0 And Resolution > 0 Then Ps = P * 60 / (V * Resolution) + B Else Ps = 0');

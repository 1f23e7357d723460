#!/usr/bin/env bash
# Gives the judgement verdict codes of TMotor a "Code" suffix, so that a code (m.InertiaCode,
# an int) can no longer be read as the physical value its old name suggested (m.Inertia).
# Renames the declarations in torque/Motor.h and every member access through the names
# TMotor objects go by in the sources, tests, benchmarks and fuzz targets. Other classes
# have members of the same names (the torque list's EffectiveTorque and MaxSpeed, the
# display condition's Inertia, ...): they are reached through other names and stay. Safe to
# run again: a renamed access no longer matches. Run from the repository's top folder;
# the build then shows any access this script did not reach.
set -euo pipefail
cd "$(dirname "$0")/.."

codes='Result|MaxSpeed|MaxTorqueAdjudication|RunningTorque|EpigeneTorque|AllowableDischargeAdjudication|WarningMomentaryDischargeAdjudication|Inertia|EffectiveTorque'

# The declarations.
perl -pi -e '
  s/^(\s*int )Result = 0, MaxSpeed = 0, MaxTorqueAdjudication = 0;/${1}ResultCode = 0, MaxSpeedCode = 0, MaxTorqueAdjudicationCode = 0;/;
  s/^(\s*int )RunningTorque = 0, EpigeneTorque = 0, AllowableDischargeAdjudication = 0;/${1}RunningTorqueCode = 0, EpigeneTorqueCode = 0, AllowableDischargeAdjudicationCode = 0;/;
  s/^(\s*int )WarningMomentaryDischargeAdjudication = 0;/${1}WarningMomentaryDischargeAdjudicationCode = 0;/;
  s/^(\s*int )Inertia = 0, EffectiveTorque = 0;/${1}InertiaCode = 0, EffectiveTorqueCode = 0;/;
' src/core/torque/Motor.h

# The accesses, through the names motors go by ("copy." is a motor, "copy->" a torque list).
receivers='m\.|m->|motor\.|motor->|a\.|b\.|copy\.|judged\.|committed->|same->|mine->|catalog->|plain->'
grep -rlE "\b($receivers)($codes)\b" src tests bench fuzz --include='*.cpp' --include='*.h' |
  xargs -r perl -pi -e "s/\\b($receivers)($codes)\\b(?!Code)/\$1\$2Code/g"

// Test help for user-defined motors: a data sheet made from a catalog motor's values,
// stored in a session's user motor folder.
#pragma once

#include "base/ErrorMessage.h"
#include "torque/MotorReferenceQuery.h"
#include "torque/UserMotorSheet.h"
#include "session/KinemoContext.h"
#include "base/Catalog.h"

#include <cstdio>
#include <memory>
#include <stdexcept>
#include <string>

namespace kinemo::test {

// A data sheet with a catalog motor's values under another model name, stored in the
// session's user motor folder.
inline void StoreUserMotor(TKinemoContext& ctx, const std::string& catalogModel, const std::string& model) {
    const std::unique_ptr<TMotor> m = LoadMotorByModel(ctx.Query(), catalogModel);
    if (!m) throw std::runtime_error("the sample catalog has no " + catalogModel);
    auto text = [](double x) {
        char buf[40];
        std::snprintf(buf, sizeof buf, "%.17g", x);
        return std::string(buf);
    };
    TUserMotorSheet sheet;
    sheet.SetValue("Model", model);
    sheet.SetValue("Amplifier", "AMP-" + model);
    sheet.SetValue("Brake", "0");
    sheet.SetValue("RatedTorque", text(m->MotorRatedTorque));
    sheet.SetValue("MaxTorque", text(m->MotorMaxTorque));
    sheet.SetValue("RatedSpeed", text(m->MotorRatedSpeed));
    sheet.SetValue("MaxSpeed", text(m->MotorMaxSpeed));
    sheet.SetValue("RotorInertia", text(m->MotorRotorInertia));
    sheet.SetValue("AllowableInertiaRatio", "10");
    sheet.SetValue("PhaseResistance", "1.5");
    sheet.SetValue("RatedCurrent", "2.8");
    sheet.SetValue("SupplyVoltage", "200");
    sheet.SetValue("TripVoltage", "400");
    sheet.SetValue("BusCapacitance", "560");
    sheet.SetValue("AllowableRegenerativePower", "0");
    sheet.SetValue("MomentaryRegenerativePower", "400");
    sheet.SetValue("ExternalResistorPower", "100");
    sheet.SetValue("ExternalResistorCapacity", "20");
    sheet.SetValue("ExternalResistor", "R-100");
    sheet.SetValue("WarningTorqueDefault", "0.8");
    sheet.SetValue("WarningTorqueHigh", "0.8");
    sheet.SetValue("WarningTorqueLow", "0.8");
    sheet.SetValue("WarningAllowableDischarge", "0.8");
    sheet.SetValue("WarningMomentaryDischarge", "0.8");
    const TUserMotorTexts texts = TUserMotorTexts::Load(ctx.Query(), ctx.ErrorMessages());
    TUserMotorStore store(ctx.Folders().UserMotorFolder(), texts);
    store.Add(sheet);
}

template <class Job>
void StoreUserMotor(Job& job, const std::string& catalogModel, const std::string& model) {
    StoreUserMotor(*job.ctx, catalogModel, model);
}

}  // namespace kinemo::test

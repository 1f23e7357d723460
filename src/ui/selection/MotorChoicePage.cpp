// The motor choice page in the main window.
#include "selection/MotorChoicePage.h"

#include "common/PageHost.h"
#include "shell/MainWindowModel.h"
#include "session/KinemoContext.h"
#include "session/SizingSession.h"
#include "selection/FrameChoiceMotor.h"
#include "torque/Motor.h"

#include <QVBoxLayout>

namespace kinemo {

TFrameChoiceMotor* AddMotorChoicePage(IPageHost& form, TKinemoContext& context, TSizingSession& session) {
    TFrameChoiceMotorHost host;
    host.DebugText = [&form](const std::string& text) { form.AppendDebugText(text); };
    host.Commit = [&form](const TMotor& motor) { form.CommitMotor(motor); };
    host.Release = [&form] { form.ReleaseCommit(); };
    host.FileDialogs = &form.FileDialogs();
    host.LoadHost = &form.Model().LoadHost();
    QWidget* sheet = form.TabSheet(TTabSheet::ChoiceMotor);
    auto* layout = new QVBoxLayout(sheet);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* frame = new TFrameChoiceMotor(context, session, std::move(host), sheet);
    layout->addWidget(frame);
    form.SetMotorSelectPage(2, frame);
    form.AddFirstIdleHandler([frame](bool) { frame->FirstIdle(); });
    return frame;
}

}  // namespace kinemo

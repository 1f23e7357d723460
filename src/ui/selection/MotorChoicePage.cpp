// The motor choice page in the main window.
#include "selection/MotorChoicePage.h"

#include "app/FormDebug.h"
#include "app/FormMain.h"
#include "app/KinemoContext.h"
#include "app/SizingSession.h"
#include "selection/FrameChoiceMotor.h"
#include "torque/Motor.h"

#include <QVBoxLayout>

namespace kinemo {

TFrameChoiceMotor* AddMotorChoicePage(TFormMain& form, TKinemoContext& context, TSizingSession& session) {
    TFrameChoiceMotorHost host;
    host.DebugText = [&form, &context](const std::string& text) {
        TFormDebug* debug = form.DebugWindow();
        if (!debug) return;
        debug->Append(text);
        if (context.Run().DebugMode) debug->show();
    };
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

// Element page in the main window.
#include "machine/ElementPage.h"

#include "common/PageHost.h"
#include "session/KinemoContext.h"
#include "machine/FormUserFactor.h"
#include "machine/FactorImage.h"
#include "machine/FrameChoiceFactor.h"
#include "machine/MachineServices.h"
#include "machine/QtPictureLoader.h"

#include <QVBoxLayout>

namespace kinemo {

TFrameChoiceFactor* AttachElementPage(IPageHost& form, TKinemoContext& context, TSizingSession& session,
                                      IFileDialogs& files, std::function<int(QDialog&)> exec) {
    // Pictures from now on are decoded, so a file that is no picture is known as such.
    if (TFactorImage* images = context.Machine().Images) images->SetLoader(TQtPictureLoader::Instance());
    QWidget* sheet = form.TabSheet(TTabSheet::ChoiceFactor);
    auto* frame = new TFrameChoiceFactor(context, session, sheet);
    auto* layout = new QVBoxLayout(sheet);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(frame);
    form.SetMotorSelectPage(0, frame);
    form.SetDebugTextSource("ActionMenuOptionCarryValue", [frame] { return frame->ShowCarryValueTrace(); });
    form.SetUserFactorDialog([&form, &context, &session, &files, frame, exec] {
        RunUserFactorEditor(context, session, files, form.Window(), exec);
        frame->RefreshBlocks();
    });
    return frame;
}

}  // namespace kinemo

// The element page over the sample catalog, standalone: a context with the desktop
// picture loader, a sizing session (optionally with an example project loaded) and the
// frame, with recorded message dialogs and error reports.
#pragma once

#include "UiTestSupport.h"

#include "session/SizingSession.h"
#include "machine/CalcCarryValue.h"
#include "machine/ChoiceFactorModel.h"
#include "machine/FrameChoiceFactor.h"
#include "machine/QtPictureLoader.h"

#include <QDragEnterEvent>
#include <QMimeData>

#include <memory>
#include <string>

namespace kinemo::uitest {

inline std::string ExamplePath(const std::string& name) { return std::string(KINEMO_SOURCE_DIR) + "/examples/" + name; }

struct TMachinePage {
    explicit TMachinePage(const std::string& example = "02_ball_screw_through_gear.kjb") {
        context = std::make_unique<TKinemoContext>(test::SampleCatalogPath(),
                                                   TSpecialFolder(dir.filePath("cfg").toStdString()), dialogs);
        context->SetPictureLoader(TQtPictureLoader::Instance());
        context->ReadCatalogConfig();
        session = std::make_unique<TSizingSession>(*context);
        session->Initialize();
        if (!example.empty()) session->LoadProject(ExamplePath(example));
        frame = std::make_unique<TFrameChoiceFactor>(*context, *session);
        frame->resize(880, 620);
        frame->show();
        QApplication::processEvents();
    }

    TChoiceFactorModel& Machine() { return session->Machine(); }
    TCalcCarryValue& Chain() { return session->Chain(); }
    int Length() { return Chain().Count(); }

    QTemporaryDir dir;
    test::TRecordingDialogs dialogs;
    TErrorReports errors;
    std::unique_ptr<TKinemoContext> context;
    std::unique_ptr<TSizingSession> session;
    std::unique_ptr<TFrameChoiceFactor> frame;
};

// Sends a whole drag (enter, move, drop) of mime to a widget at point; true when the
// drop was accepted.
inline bool SimulateDrop(QWidget* target, const QMimeData& mime, const QPoint& point) {
    QDragEnterEvent enter(point, Qt::CopyAction | Qt::MoveAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &enter);
    QDragMoveEvent move(point, Qt::CopyAction | Qt::MoveAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &move);
    if (!move.isAccepted()) {
        QDragLeaveEvent leave;
        QApplication::sendEvent(target, &leave);
        return false;
    }
    QDropEvent drop(QPointF(point), Qt::CopyAction | Qt::MoveAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &drop);
    return drop.isAccepted();
}

}  // namespace kinemo::uitest

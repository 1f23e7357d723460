// The option page in the main window.
#include "options/OptionPage.h"

#include "common/PageHost.h"
#include "common/KinemoApplication.h"
#include "session/KinemoContext.h"
#include "session/SizingSession.h"
#include "options/FormPrinterSelectOption.h"
#include "options/FrameSelectOptionDetail.h"
#include "options/FrameSelectOptionSeries.h"

#include <QVBoxLayout>

namespace kinemo {

TFrameSelectOptionDetail* AddOptionPage(IPageHost& form, TKinemoContext& context, TSizingSession& session,
                                        IFileDialogs& files) {
    QWidget* sheet = form.TabSheet(TTabSheet::ChoiceOption);
    auto* layout = new QVBoxLayout(sheet);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* series = new TFrameSelectOptionSeries(context, session, sheet);
    auto* detail = new TFrameSelectOptionDetail(context, session, sheet);
    layout->addWidget(series);
    layout->addWidget(detail);
    // While a motor is committed only the detail screen shows, on that motor.
    auto show = [series, detail, &session] {
        const bool detailShown = session.Commit().OptionDetailShown();
        series->setVisible(!detailShown);
        detail->setVisible(detailShown);
        series->Refresh();
        detail->Refresh();
    };
    auto previous = session.OnOptionsChanged;
    session.OnOptionsChanged = [previous, show] {
        if (previous) previous();
        show();
    };
    QObject::connect(detail, &TFrameSelectOptionDetail::ReturnClicked, detail, [show, &session] {
        session.ReturnFromOptionDetail();
        show();
    });
    QObject::connect(detail, &TFrameSelectOptionDetail::PrintClicked, detail, Guarded([&context, &session, &form, &files] {
                         TFormPrinterSelectOption dialog(context, session.OptionDetail(), files, form.Window());
                         dialog.exec();
                     }));
    show();
    return detail;
}

}  // namespace kinemo

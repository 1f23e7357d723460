// The CAD tab's two pages and the commit state that chooses between them.
#include "cad/VantorPage.h"

#include "common/PageHost.h"
#include "session/KinemoContext.h"
#include "shell/MainWindowModel.h"
#include "shell/PageTabs.h"
#include "cad/FrameSelectVantor.h"
#include "cad/FrameVantor.h"

#include <QVBoxLayout>

namespace kinemo {

TVantorPage::TVantorPage(IPageHost& form, TKinemoContext& context, QWidget* parent)
    : QWidget(parent), form_(form), context_(context) {
    setObjectName("VantorPage");
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    TFrameSelectVantor::THost host;
    host.Select = [this](const TCadMotor& motor) { form_.ShowCadDetail(motor.Reference); };
    host.ShowCheckResult = [this](int code) { form_.ShowPriceCheckResult(code); };
    select_ = new TFrameSelectVantor(context, std::move(host), this);
    export_ = new TFrameVantor(context, form.Registry(), form.FileDialogs(), this);
    export_->SetReturnHandler([this] { form_.Model().ReturnFromCadDetail(); });
    layout->addWidget(select_);
    layout->addWidget(export_);
    Refresh();
}

void TVantorPage::Refresh() {
    const TCommitState& commit = form_.Model().Commit();
    export_->Model().ShowMotor(commit.CadDetailMotor(), commit.CadReturnEnabled());
    export_->Refresh();
    const bool detail = commit.CadDetailShown();
    select_->setVisible(!detail);
    export_->setVisible(detail);
}

TVantorPage* AddCadPage(IPageHost& form, TKinemoContext& context) {
    QWidget* sheet = form.TabSheet(TTabSheet::Vantor);
    auto* layout = new QVBoxLayout(sheet);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* page = new TVantorPage(form, context, sheet);
    layout->addWidget(page);
    return page;
}

}  // namespace kinemo

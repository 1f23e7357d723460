// The CAD tab of the main window: the selection page and the export page, one shown at a
// time as the commit state says.
#pragma once

#include <QWidget>

namespace kinemo {

class IPageHost;
class TFrameSelectVantor;
class TFrameVantor;
class TKinemoContext;

class TVantorPage : public QWidget {
    Q_OBJECT
public:
    TVantorPage(IPageHost& form, TKinemoContext& context, QWidget* parent);

    // After a commit, a release or a choice: the export page for the committed or chosen
    // motor (return enabled only without a commit), else the selection page.
    void Refresh();
    TFrameSelectVantor* Selection() const { return select_; }
    TFrameVantor* Export() const { return export_; }

private:
    IPageHost& form_;
    TKinemoContext& context_;
    TFrameSelectVantor* select_;
    TFrameVantor* export_;
};

// Builds the CAD tab's page on TabSheetVantor.
TVantorPage* AddCadPage(IPageHost& form, TKinemoContext& context);

}  // namespace kinemo

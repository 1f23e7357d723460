// The message dialog as the user sees it (captions, button texts and order, icon, result
// codes) and the default error report at the event boundary.
#include "UiTestSupport.h"

#include "base/KinemoError.h"
#include "common/MessageDialog.h"

#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

using namespace kinemo;

namespace {

TMessageDialogText Texts() {
    TNameValueList l;
    for (auto [k, v] : {std::pair{"mtConfirmation", "Confirm"}, {"mtError", "Error"}, {"mbYes", "&Yes"},
                        {"mbNo", "&No"}, {"mbCancel", "Cancel"}, {"mbOK", "OK"}})
        l.SetValue(k, v);
    return TMessageDialogText(l);
}

QStringList ButtonTexts(const QMessageBox& box) {
    QStringList out;
    for (QAbstractButton* b : box.buttons()) out << b->text();
    return out;
}

// Presses the button with the given text once the dialog runs.
void PressLater(const QString& text) {
    QTimer::singleShot(0, [text] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        QVERIFY(box);
        for (QAbstractButton* b : box->buttons())
            if (b->text() == text) b->click();
    });
}

// A widget whose mouse handler fails: errors outside any slot reach the event boundary.
class TFailingWidget : public QWidget {
protected:
    void mousePressEvent(QMouseEvent*) override { throw TKinemoError("Press failed"); }
};

}  // namespace

class MessageDialogTest : public QObject {
    Q_OBJECT
private slots:
    void captionButtonsAndIconFollowTheType() {
        TMessageDialog d;
        d.SetTexts(Texts());
        auto box = d.Build("Save the project?", TMsgDlgType::Confirmation, mbCancel | mbYes | mbNo);
        QCOMPARE(box->windowTitle(), QString("Confirm"));
        QCOMPARE(box->objectName(), QString("Kinemo"));
        QCOMPARE(box->icon(), QMessageBox::Question);
        QCOMPARE(box->text(), QString("Save the project?"));
        QCOMPARE(ButtonTexts(*box), (QStringList{"&Yes", "&No", "Cancel"}));
        QCOMPARE(box->escapeButton()->text(), QString("Cancel"));
        QCOMPARE(box->defaultButton()->text(), QString("&Yes"));
    }

    void customKeepsTheTitleAndMissingTextsKeepStandardTexts() {
        TMessageDialog d;
        d.SetTexts(Texts());
        auto box = d.Build("Missing Commit Motor", TMsgDlgType::Custom, mbOK | mbRetry | mbNoToAll);
        QCOMPARE(box->windowTitle(), QString("Kinemo"));
        QCOMPARE(box->icon(), QMessageBox::NoIcon);
        const QStringList texts = ButtonTexts(*box);
        QCOMPARE(texts.size(), 3);
        QCOMPARE(texts[0], QString("OK"));
        QVERIFY(!texts[1].isEmpty());  // no "mbRetry" in the catalog: never a blank button
        QVERIFY(!texts[2].isEmpty());
        auto warning = d.Build("w", TMsgDlgType::Warning, mbOK);
        QCOMPARE(warning->windowTitle(), QString());  // no "mtWarning": empty caption
        QCOMPARE(warning->icon(), QMessageBox::Warning);
        QCOMPARE(d.Build("e", TMsgDlgType::Error, mbOK)->icon(), QMessageBox::Critical);
    }

    void resultsAreTheStatedCodes_data() {
        QTest::addColumn<QString>("pressed");
        QTest::addColumn<int>("result");
        QTest::newRow("Yes") << "&Yes" << 6;
        QTest::newRow("No") << "&No" << 7;
        QTest::newRow("Cancel") << "Cancel" << 2;
    }
    void resultsAreTheStatedCodes() {
        QFETCH(QString, pressed);
        QFETCH(int, result);
        TMessageDialog d;
        d.SetTexts(Texts());
        PressLater(pressed);
        QCOMPARE(d.ShowMessageDialog("Save?", TMsgDlgType::Confirmation, mbYes | mbNo | mbCancel), result);
    }

    void escapePressesCancel() {
        TMessageDialog d;
        d.SetTexts(Texts());
        QTimer::singleShot(0, [] { QTest::keyClick(QApplication::activeModalWidget(), Qt::Key_Escape); });
        QCOMPARE(d.ShowMessageDialog("Save?", TMsgDlgType::Confirmation, mbYes | mbNo | mbCancel), int(mrCancel));
    }

    void slotErrorsEndOnlyTheirAction() {
        uitest::TErrorReports reports;
        QPushButton button;
        int after = 0;
        QObject::connect(&button, &QPushButton::clicked, &button, Guarded([] { throw TKinemoError("Disk full"); }));
        QObject::connect(&button, &QPushButton::clicked, &button, [&] { ++after; });
        button.click();
        QCOMPARE(reports.texts, QStringList{"Disk full."});
        QCOMPARE(after, 1);  // the next handler of the same click still ran
        button.click();
        QCOMPARE(reports.texts.size(), 2);
    }

    void eventHandlerErrorsAreCaughtAtTheBoundary() {
        uitest::TErrorReports reports;
        TFailingWidget w;
        w.resize(50, 50);
        w.show();
        QTest::mouseClick(&w, Qt::LeftButton);
        QCOMPARE(reports.texts, QStringList{"Press failed."});
        QVERIFY(w.isVisible());
        QTest::mouseClick(&w, Qt::LeftButton);
        QCOMPARE(reports.texts.size(), 2);
    }

    void errorsOtherThanOursAreReportedToo() {
        uitest::TErrorReports reports;
        QPushButton button;
        QObject::connect(&button, &QPushButton::clicked, &button, Guarded([] { throw 42; }));
        button.click();
        QCOMPARE(reports.texts, QStringList{"Unexpected error."});
    }
};

KINEMO_UI_TEST_MAIN(MessageDialogTest)
#include "tst_MessageDialog.moc"

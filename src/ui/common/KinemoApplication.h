// The application object and the default error report at the event boundary: an error
// that no caller handles ends the user action that raised it and is shown, never ends
// the program.
#pragma once

#include <QApplication>
#include <QString>

#include <exception>
#include <functional>
#include <string>
#include <type_traits>

namespace kinemo {

class TKinemoApplication : public QApplication {
public:
    TKinemoApplication(int& argc, char** argv);
    // Every event passes here; an error escaping its handler is reported.
    bool notify(QObject* receiver, QEvent* event) override;
};

// Shows the default error report: error icon, the application title as caption, the text
// with a "." appended by the rule.
void ReportUncaughtError(const std::string& message);
// Where reports go instead of a message box (tests); an empty function restores the box.
void SetErrorReporter(std::function<void(const QString& text)> reporter);

// Wraps a slot so an error it raises is reported at once and ends only that action. A
// slot that takes no arguments ignores the signal's.
template <class F>
auto Guarded(F slot) {
    return [slot = std::move(slot)](auto&&... args) {
        try {
            if constexpr (std::is_invocable_v<const F&, decltype(args)...>)
                slot(std::forward<decltype(args)>(args)...);
            else
                slot();
        } catch (const std::exception& e) {
            ReportUncaughtError(e.what());
        } catch (...) {
            ReportUncaughtError("Unexpected error");
        }
    };
}

}  // namespace kinemo

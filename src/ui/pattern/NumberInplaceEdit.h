// The cell editor of the number grids: right-aligned, takes only the keys a number is
// typed with (the grid's key rule), and hands Enter and the left and right arrows back to
// the grid so that they move to the next cell.
#pragma once

#include <QLineEdit>

#include <functional>
#include <string>

namespace kinemo {

class TNumberInplaceEdit : public QLineEdit {
    Q_OBJECT
public:
    // accepts(text, hasSelection, key): whether a typed character is taken.
    using TKeyRule = std::function<bool(const std::string& text, bool hasSelection, char key)>;
    TNumberInplaceEdit(TKeyRule accepts, QWidget* parent);

signals:
    // Enter, Left or Right: the grid closes the editor and moves.
    void KeyHandedBack(int key);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;

private:
    TKeyRule accepts_;
};

}  // namespace kinemo

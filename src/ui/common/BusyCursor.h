// The hourglass cursor of long operations, over the application's override cursor.
#pragma once

#include "base/UserDialogs.h"

namespace kinemo {

class TQtBusyCursor : public IBusyCursor {
public:
    void Begin() override;
    void End() override;
};

}  // namespace kinemo

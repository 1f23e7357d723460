// Puts the motor choice page on the main window's third sub-page and wires it to the
// window: commitment, debug texts, the modified mark, page entry and the first idle moment.
#pragma once

namespace kinemo {

class IPageHost;
class TFrameChoiceMotor;
class TKinemoContext;
class TSizingSession;

TFrameChoiceMotor* AddMotorChoicePage(IPageHost& form, TKinemoContext& context, TSizingSession& session);

}  // namespace kinemo

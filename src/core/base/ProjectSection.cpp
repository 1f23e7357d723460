// Names of the project file's sections.
#include "base/ProjectSection.h"

namespace kinemo {

const char* ProjectSectionName(TProjectSection section) {
    switch (section) {
    case TProjectSection::FrameChoiceFactor: return "FrameChoiceFactor";
    case TProjectSection::FrameInputPattern: return "FrameInputPattern";
    case TProjectSection::FrameChoiceMotor: return "FrameChoiceMotor";
    case TProjectSection::FrameOptionSelect: return "FrameOptionSelect";
    case TProjectSection::FrameSelectOptionDetail: return "FrameSelectOptionDetail";
    }
    return "";
}

}  // namespace kinemo

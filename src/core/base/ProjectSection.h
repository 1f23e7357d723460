// A screen's part of the project file: the sections and the handler interface each owning screen implements.
#pragma once

#include <pugixml.hpp>

namespace kinemo {

// The sections in the order they are written.
enum class TProjectSection { FrameChoiceFactor, FrameInputPattern, FrameChoiceMotor, FrameOptionSelect,
                             FrameSelectOptionDetail };
constexpr int kProjectSectionCount = 5;
const char* ProjectSectionName(TProjectSection section);

// A screen's part of the project file.
class IProjectSectionHandler {
public:
    virtual ~IProjectSectionHandler() = default;
    // Fills the new, empty section element.
    virtual void SaveSection(pugi::xml_node section) = 0;
    // Reads the section element; an empty element resets the screen (New).
    virtual void LoadSection(pugi::xml_node section) = 0;
};

}  // namespace kinemo

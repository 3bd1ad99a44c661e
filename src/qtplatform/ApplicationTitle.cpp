#include "qtplatform/ApplicationTitle.h"

namespace {

std::string& Title() {
    static std::string title;
    return title;
}

}  // namespace

const std::string& ApplicationTitle() {
    return Title();
}

void SetApplicationTitle(std::string title) {
    Title() = std::move(title);
}

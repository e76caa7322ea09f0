#include "ui/GameText.h"

#include <QCoreApplication>

namespace flipstone {

QString GameText(const std::string& english) {
    return QCoreApplication::translate("CFlipstoneDoc", english.c_str());
}

QString OpeningName(const char* english) {
    return QCoreApplication::translate("Openings", english);
}

}  // namespace flipstone

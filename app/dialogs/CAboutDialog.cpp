#include "app/dialogs/CAboutDialog.h"

#include <QLabel>
#include <QPushButton>

#include "app/dialogs/DialogUnits.h"
#include "ui/Artwork.h"

namespace flipstone {

namespace {

// An icon control shows the icon at its own size from the top-left corner of its rectangle.
constexpr int kIconPixels = 32;

// The version as the about box writes it, from the build's version.
constexpr const char* kVersion = FLIPSTONE_ABOUT_VERSION;

}  // namespace

CAboutDialog::CAboutDialog(QWidget* parent) : QDialog(parent) {
    setWindowTitle(tr("About Flipstone"));
    setFont(DialogUnits::DialogFont());
    const DialogUnits units(font());
    setFixedSize(units.ToPixels(219, 70));

    auto* icon = new QLabel(this);
    icon->setPixmap(Artwork::AppIconPixmap());
    icon->setGeometry(
        QRect(units.ToPixels(11, 17, 20, 20).topLeft(), QSize(kIconPixels, kIconPixels)));

    //: %1 is the version number, such as 1.07e.
    auto* version = new QLabel(tr("Flipstone Version %1").arg(QLatin1String(kVersion)), this);
    version->setTextFormat(Qt::PlainText);
    version->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    units.Place(*version, 40, 10, 130, 8);

    okButton_ = new QPushButton(tr("OK"), this);
    units.Place(*okButton_, 178, 7, 32, 14);
    okButton_->setDefault(true);
    connect(okButton_, &QPushButton::clicked, this, &CAboutDialog::accept);
    const int text = DialogUnits::WidenColumn({version}, {okButton_});
    const int button = DialogUnits::WidenColumn({okButton_}, {});
    setFixedSize(width() + text + button, height());
}

}  // namespace flipstone

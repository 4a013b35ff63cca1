#include "platform/widgets/QtMessageBox.h"

#include "platform/widgets/TopLevel.h"

#include <QMessageBox>

namespace platform {

Answer ShowQtMessageBox(const MessageRequest &request)
{
    const bool yesNo = request.buttons == MessageButtons::YesNo;
    QMessageBox box(request.icon == MessageIcon::Stop ? QMessageBox::Critical : QMessageBox::Information,
                    request.caption, request.text, yesNo ? QMessageBox::Yes | QMessageBox::No : QMessageBox::Ok);
    box.setObjectName(QStringLiteral("messageBox"));
    if (yesNo) {
        box.setDefaultButton(QMessageBox::Yes);
        box.setEscapeButton(QMessageBox::No);
    }
    PrepareTopLevel(&box, request.owner);
    switch (box.exec()) {
    case QMessageBox::Yes:
        return Answer::Yes;
    case QMessageBox::No:
        return Answer::No;
    default:
        return yesNo ? Answer::No : Answer::Ok;
    }
}

} // namespace platform

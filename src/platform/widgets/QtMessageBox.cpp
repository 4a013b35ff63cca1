#include "platform/widgets/QtMessageBox.h"

#include "platform/widgets/TopLevel.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QGridLayout>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QTextLayout>
#include <QtMath>

namespace platform {

namespace {

// The request's field, below the text and above the buttons: every character
// can be selected with the mouse or the keyboard and copied, and it wraps
// anywhere, so the whole of an address without spaces shows; past sixteen
// lines, it scrolls.
void addField(QMessageBox &box, const MessageRequest &request)
{
    auto *field = new QPlainTextEdit(request.field, &box);
    field->setObjectName(QStringLiteral("messageField"));
    field->setAccessibleName(request.fieldName);
    field->setReadOnly(true);
    field->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    field->setWordWrapMode(QTextOption::WrapAnywhere);
    field->setTabChangesFocus(true);
    // As high as the lines the text wraps into at this width.
    const int width = QFontMetrics(field->font()).averageCharWidth() * 60;
    const int margins = 2 * (field->frameWidth() + qCeil(field->document()->documentMargin()));
    QTextLayout layout(request.field, field->font());
    QTextOption wrap;
    wrap.setWrapMode(QTextOption::WrapAnywhere);
    layout.setTextOption(wrap);
    layout.beginLayout();
    qreal height = 0;
    int lines = 0;
    QTextLine line = layout.createLine();
    for (; line.isValid() && lines < 16; line = layout.createLine(), ++lines) {
        line.setLineWidth(width - margins);
        height += line.height();
    }
    const bool fits = !line.isValid();
    layout.endLayout();
    // The text edit counts a last line as shown only with a pixel to spare.
    field->setFixedSize(width, qCeil(height) + margins + 1);
    // A scroll bar shown for a moment while the box is laid out would narrow
    // the text and keep itself there.
    if (fits)
        field->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);

    auto *grid = qobject_cast<QGridLayout *>(box.layout());
    auto *buttons = box.findChild<QDialogButtonBox *>();
    auto *text = box.findChild<QWidget *>(QStringLiteral("qt_msgbox_label"));
    if (!grid || !buttons || !text)
        return; // a layout of another Qt: the field stays out rather than overlap
    int row = 0, column = 0, textRow = 0, textColumn = 0, span = 0;
    grid->getItemPosition(grid->indexOf(buttons), &row, &column, &span, &span);
    grid->getItemPosition(grid->indexOf(text), &textRow, &textColumn, &span, &span);
    grid->removeWidget(buttons);
    grid->addWidget(field, row, textColumn);
    grid->addWidget(buttons, row + 1, 0, 1, grid->columnCount());
}

} // namespace

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
    if (!request.field.isEmpty())
        addField(box, request);
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

QString AskQtFileToSave(const QString &title, const QString &suggestedName, const QString &filter)
{
    QWidget *owner = QApplication::activeWindow();
    return QFileDialog::getSaveFileName(owner, title, suggestedName, filter);
}

} // namespace platform

// The floor of the start-up benchmark: starkindle's main window as plain Qt,
// the same widgets, fonts, colours, texts, list items and menus in the same
// Fusion style, and nothing else: no translations, settings, single-instance
// lock, accessibility interfaces, event filters or handlers. What starkindle
// costs over it is what its own logic adds to start-up. Kept in step with
// src/app/forms/frmMain.cpp by hand; it only needs to stay close.

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenuBar>
#include <QPushButton>
#include <QStyleFactory>

namespace {

// Twips to pixels at 96 dpi, as src/app/widgets/Twips.h does.
QRect rect(int x, int y, int w, int h)
{
    return {x / 15, y / 15, w / 15, h / 15};
}

QFont font(qreal points, bool bold, bool underlined = false)
{
    QFont f;
    f.setFamilies({QStringLiteral("Verdana"), QStringLiteral("DejaVu Sans")});
    f.setPointSizeF(points);
    f.setBold(bold);
    f.setUnderline(underlined);
    return f;
}

QWidget *panel(QWidget *parent, const QRect &geometry)
{
    auto *w = new QWidget(parent);
    w->setGeometry(geometry);
    QPalette p = w->palette();
    p.setColor(QPalette::Window, QColor(64, 64, 64));
    w->setPalette(p);
    w->setAutoFillBackground(true);
    return w;
}

template <class W>
W *styled(W *w, const QRect &geometry, const QFont &f, const QColor &colour)
{
    w->setGeometry(geometry);
    w->setFont(f);
    QPalette p = w->palette();
    p.setColor(QPalette::WindowText, colour);
    p.setColor(QPalette::Text, colour);
    w->setPalette(p);
    return w;
}

QLabel *label(QWidget *parent, const QString &text, const QRect &geometry, const QFont &f, const QColor &colour,
              Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignTop)
{
    auto *l = styled(new QLabel(text, parent), geometry, f, colour);
    l->setWordWrap(true);
    l->setAlignment(alignment);
    return l;
}

QComboBox *list(QWidget *parent, const QRect &geometry, int from, int to)
{
    auto *box = styled(new QComboBox(parent), geometry, font(8.25, true), QColor(192, 192, 192));
    box->setMaxVisibleItems(15);
    for (int i = from; i <= to; ++i)
        box->addItem(QString::number(i), i);
    return box;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QMainWindow window(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                                    | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    window.setWindowTitle(QStringLiteral(FLOOR_TITLE));
    window.setFont(font(8.25, false));
    auto *client = panel(&window, rect(0, 0, 7260, 6000));
    client->setFixedSize(client->size());
    window.setCentralWidget(client);

    const QColor grey(192, 192, 192), text(224, 224, 224), white(255, 255, 255);
    QWidget *top = panel(client, rect(0, 0, 7260, 615));
    label(top, QStringLiteral("Talk it over in the Corvane forum at www.example.com"), rect(120, 120, 7080, 435),
          font(9, true, true), text, Qt::AlignHCenter | Qt::AlignTop);

    QWidget *middle = panel(client, rect(0, 600, 7260, 3615));
    label(middle,
          QStringLiteral("Starkindle describes the placement of the asteroid Eros in your birth chart. This helps you "
                         "know more about the sexual, passion, love and erotic side of your nature"),
          rect(480, 240, 6135, 615), font(8.25, true), white, Qt::AlignHCenter | Qt::AlignTop);
    QWidget *entry = panel(middle, rect(600, 1080, 6015, 1575));
    label(entry, QStringLiteral("Name"), rect(240, 330, 555, 195), font(8.25, true, true), grey);
    styled(new QLineEdit(entry), rect(1680, 240, 3735, 375), font(8.25, true), grey);
    label(entry, QStringLiteral("Date Of Birth"), rect(240, 1020, 1245, 195), font(8.25, true, true), grey);
    label(entry, QStringLiteral("Date"), rect(1920, 720, 405, 195), font(8.25, false, true), grey);
    label(entry, QStringLiteral("Month"), rect(3240, 720, 510, 195), font(8.25, false, true), grey);
    label(entry, QStringLiteral("Year"), rect(4680, 720, 390, 195), font(8.25, false, true), grey);
    list(entry, rect(1680, 960, 900, 315), 1, 31);
    QComboBox *months = list(entry, rect(2760, 960, 1500, 315), 1, 0);
    for (const char *month : {"January", "February", "March", "April", "May", "June", "July", "August", "September",
                              "October", "November", "December"})
        months->addItem(QString::fromLatin1(month));
    list(entry, rect(4440, 960, 1020, 315), 1900, 2100)->setCurrentIndex(40);
    styled(new QPushButton(QStringLiteral("Find My &Sexual Astrology Sign"), middle), rect(600, 2760, 6015, 615),
           font(9, true), Qt::black);

    QWidget *bottom = panel(client, rect(0, 4200, 7260, 855));
    label(bottom,
          QStringLiteral("Home Business Opportunity. Start your own Internet business and make money online. Get this "
                         "software fully branded for your website. Click here for more details."),
          rect(120, 120, 5985, 615), font(8.25, true, true), text);
    label(bottom,
          QStringLiteral("Co-brand this software for your site. Your name and links go on every copy your visitors "
                         "take home; see the Help for details. Click Here for more info on co-branding."),
          rect(120, 120, 5985, 615), font(8.25, true, true), text)
        ->setAutoFillBackground(true);
    styled(new QPushButton(QStringLiteral("&Exit"), bottom), rect(6240, 240, 900, 465), font(8.25, true), Qt::black);

    // The time and place of birth.
    QWidget *birth = panel(client, rect(0, 5040, 7260, 960));
    label(birth, QStringLiteral("&Time of Birth"), rect(840, 150, 1440, 195), font(8.25, false, true), grey);
    styled(new QLineEdit(birth), rect(2280, 90, 1260, 315), font(8.25, true), grey);
    label(birth, QStringLiteral("(optional)"), rect(3660, 150, 2355, 195), font(8.25, false), grey);
    label(birth, QStringLiteral("&Place of Birth"), rect(840, 555, 1440, 195), font(8.25, false, true), grey);
    styled(new QLineEdit(birth), rect(2280, 495, 3735, 315), font(8.25, true), grey);

    QMenu *file = window.menuBar()->addMenu(QStringLiteral("&File"));
    file->addAction(QStringLiteral("Find My &Sexual Astrology Sign"));
    file->addAction(QStringLiteral("E&xit"));
    QMenu *help = window.menuBar()->addMenu(QStringLiteral("&Help"));
    help->addAction(QStringLiteral("&Online Help"));
    help->addAction(QStringLiteral("&Visit Us Online"));
    help->addSeparator();
    help->addAction(QStringLiteral("Check for Software &Update"));
    help->addSeparator();
    help->addAction(QStringLiteral("&About Software"));
    window.menuBar()->addAction(QStringLiteral("&Donate"));

    window.show();
    return QApplication::exec();
}

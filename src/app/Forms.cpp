#include "app/Forms.h"

#include "app/frmDisplay.h"
#include "app/frmMain.h"

#include <QCoreApplication>
#include <QPointer>
#include <QTimer>

namespace forms {

namespace {

template <class Form>
class Slot
{
public:
    Form *get()
    {
        if (!isLoaded())
            m_form = new Form;
        return m_form;
    }
    bool isLoaded() const { return m_form && !m_form->isUnloaded(); }
    void unload()
    {
        if (isLoaded())
            m_form->Unload();
    }

private:
    QPointer<Form> m_form;
};

Slot<frmMain> &mainSlot()
{
    static Slot<frmMain> s;
    return s;
}

Slot<frmDisplay> &displaySlot()
{
    static Slot<frmDisplay> s;
    return s;
}

// Until the exit window is shown, leaving means ending once the unloading
// handler has returned, unless Back takes it back in the same breath.
bool leaving = false;

} // namespace

frmMain *Main()
{
    return mainSlot().get();
}

bool IsMainLoaded()
{
    return mainSlot().isLoaded();
}

frmDisplay *Display()
{
    return displaySlot().get();
}

bool IsDisplayLoaded()
{
    return displaySlot().isLoaded();
}

void ShowExitWindow()
{
    leaving = true;
    QTimer::singleShot(0, qApp, [] {
        if (leaving)
            ExitApplication();
    });
}

void HideExitWindow()
{
    leaving = false;
}

void ExitApplication()
{
    displaySlot().unload();
    mainSlot().unload();
    leaving = false; // the unloads above asked to leave; we are leaving already
    QCoreApplication::quit();
}

} // namespace forms

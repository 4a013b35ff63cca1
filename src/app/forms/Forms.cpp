#include "app/forms/Forms.h"

#include "app/forms/frmDisplay.h"
#include "app/forms/frmMain.h"
#include "app/forms/frmNagScreen2.h"

#include <QCoreApplication>
#include <QPointer>

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

Slot<frmNagScreen2> &exitSlot()
{
    static Slot<frmNagScreen2> s;
    return s;
}

bool shuttingDown = false;

} // namespace

frmMain *Main()
{
    return mainSlot().get();
}

void ShowMain()
{
    Main()->show();
}

frmDisplay *Display()
{
    return displaySlot().get();
}

frmNagScreen2 *ExitWindow()
{
    return exitSlot().get();
}

bool IsExitWindowLoaded()
{
    return exitSlot().isLoaded();
}

void ShowExitWindow()
{
    if (!shuttingDown)
        ExitWindow()->ShowTopMost();
}

void HideExitWindow()
{
    if (!shuttingDown)
        ExitWindow()->hide();
}

void ExitApplication()
{
    if (shuttingDown)
        return;
    shuttingDown = true;
    // One window after the other; an unload that fails does not stop the pass.
    const auto unload = [](auto &slot) {
        try {
            slot.unload();
        } catch (...) {
        }
    };
    unload(displaySlot());
    unload(mainSlot());
    unload(exitSlot());
    shuttingDown = false;
    QCoreApplication::quit();
}

} // namespace forms

#pragma once

// The calculator as it runs on the desktop: the model, its view and the machine's services,
// bound together and opened (start-up has run); the caller shows the view.

#include "notebook/shared_notebook.h"
#include "qt/platform_qt.h"
#include "qt/view.h"

namespace fournil::qt {

// Qt's own texts (a field's edit menu) in the user's language, from Qt's translations; the
// window's own texts are French whatever the language. False when none was found.
bool installQtTranslations(const QLocale& locale);

class DesktopWindow {
  public:
    DesktopWindow();

    Window model;
    FournilView view{model};

  private:
    SystemFileSystem files_;
    QtDisplay display_{view};
    QtPictureLoader pictures_;
    Platform platform_{files_, display_, pictures_};
    FileCalculationStore olderLastCalculation_;
    SharedNotebook notebook_;
    NotebookCalculationStore lastCalculation_{notebook_, olderLastCalculation_};
};

}  // namespace fournil::qt

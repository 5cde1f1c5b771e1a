// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "toolkit/Services.h"

#include <QString>

class QWidget;

namespace numislot::toolkit {

// An open or save dialog component: its filter and default extension, and the name confirmed last.
class FileDialog
{
public:
    // `filter` in the "description|pattern" form, one entry.
    FileDialog(FileDialogMode mode, QStringView filter, QStringView defaultExtension);

    // Shows the dialog; true when the user confirmed a name, which fileName() then holds. The default
    // extension is added to a name without one that does not exist as it stands.
    bool execute(Services& services, QWidget* parent);

    QString fileName() const { return m_fileName; }

private:
    FileDialogRequest m_request;
    QString m_defaultExtension;
    QString m_fileName;
};

// "Fichier eur|*.eur" as Qt writes a name filter: "Fichier eur (*.eur)".
QString qtNameFilter(QStringView filter);

} // namespace numislot::toolkit

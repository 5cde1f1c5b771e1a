// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "toolkit/Services.h"

#include <QString>
#include <functional>

class QWidget;

namespace numislot::toolkit {

// An open or save dialog component: its filter and default extension, and the name confirmed last.
class FileDialog
{
public:
    // `filter` in the "description|pattern" form, one entry.
    FileDialog(FileDialogMode mode, QStringView filter, QStringView defaultExtension);

    // Shows the dialog; true when the user confirmed a name, which fileName() then holds. The default
    // extension is added to a name without one that does not exist as it stands. `accept`, when given,
    // sees that final name and may turn the confirmation into a cancel.
    bool execute(Services& services, QWidget* parent, const std::function<bool(const QString&)>& accept = {});

    QString fileName() const { return m_fileName; }

private:
    FileDialogRequest m_request;
    QString m_defaultExtension;
    QString m_fileName;
};

// "Fichier eur|*.eur" as Qt writes a name filter: "Fichier eur (*.eur)".
QString qtNameFilter(QStringView filter);

} // namespace numislot::toolkit

// SPDX-License-Identifier: GPL-3.0-or-later
#include "toolkit/FileDialog.h"

#include <QFileInfo>

using namespace Qt::StringLiterals;

namespace numislot::toolkit {

QString qtNameFilter(QStringView filter)
{
    const qsizetype bar = filter.indexOf(u'|');
    if (bar < 0)
        return filter.toString();
    return filter.left(bar).toString() + u" ("_s + filter.mid(bar + 1).toString() + u')';
}

FileDialog::FileDialog(FileDialogMode mode, QStringView filter, QStringView defaultExtension)
{
    m_request.mode = mode;
    m_request.filter = qtNameFilter(filter);
    m_defaultExtension = defaultExtension.toString();
}

bool FileDialog::execute(Services& services, QWidget* parent, const std::function<bool(const QString&)>& accept)
{
    m_request.fileName = m_fileName;
    const std::optional<QString> chosen = services.runFileDialog(parent, m_request);
    if (!chosen)
        return false;
    QString name = *chosen;
    const QFileInfo info(name);
    if (!name.isEmpty() && !m_defaultExtension.isEmpty() && info.suffix().isEmpty() && !info.exists())
        name += u'.' + m_defaultExtension;
    if (accept && !accept(name))
        return false;
    m_fileName = name;
    return true;
}

} // namespace numislot::toolkit

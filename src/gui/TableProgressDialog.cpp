#include "TableProgressDialog.h"

#include "table/TableCommands.h"

#include <QCoreApplication>
#include <QPointer>
#include <QProgressDialog>

#include <memory>

namespace plorik::gui {

std::function<void(std::size_t, std::size_t)> tableProgressDialog(QWidget* parent)
{
    auto dialog = std::make_shared<QPointer<QProgressDialog>>();
    return [dialog, parent](std::size_t done, std::size_t total) {
        if (total <= kTableProgressAbove)
            return;
        if (!*dialog) {
            *dialog = new QProgressDialog(QStringLiteral("Going through the craft table..."), QString(), 0,
                                          static_cast<int>(total), parent);
            (*dialog)->setWindowTitle(QStringLiteral("PLORIK"));
            (*dialog)->setWindowModality(Qt::WindowModal);
            (*dialog)->setMinimumDuration(0);
        }
        (*dialog)->setValue(static_cast<int>(done));
        QCoreApplication::processEvents();
        if (done >= total) {
            (*dialog)->deleteLater();
            *dialog = nullptr;
        }
    };
}

} // namespace plorik::gui

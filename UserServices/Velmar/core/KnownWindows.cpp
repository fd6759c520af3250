#include "core/KnownWindows.h"

#include <QApplication>
#include <QObject>
#include <QWidget>

namespace velmar {
namespace {

constexpr const char* kObjecteName = "velmarFormulari";

// The window object of a window, carried by the window itself.
class ObjecteFormulari final : public QObject {
public:
    ObjecteFormulari(QWidget* window, std::weak_ptr<com::Object> object)
        : QObject(window), object(std::move(object)) {
        setObjectName(kObjecteName);
    }
    std::weak_ptr<com::Object> object;
};

}  // namespace

void DonaAConeixerFormulari(QWidget* window, const com::ObjectRef& object) {
    delete window->findChild<ObjecteFormulari*>(kObjecteName, Qt::FindDirectChildrenOnly);
    new ObjecteFormulari(window, object);
}

com::ObjectRef ActiveWindowObject() {
    const QWidget* window = QApplication::activeWindow();
    const auto* known =
        window ? window->findChild<ObjecteFormulari*>(kObjecteName, Qt::FindDirectChildrenOnly) : nullptr;
    return known ? known->object.lock() : nullptr;
}

}  // namespace velmar

#include "core/binding/KnownWindows.h"

#include <QApplication>
#include <QObject>
#include <QWidget>

namespace velmar {
namespace {

constexpr const char* kObjecteName = "velmarFormulari";

// The window object of a window, carried by the window itself.
class KnownWindowObject final : public QObject {
public:
    KnownWindowObject(QWidget* window, std::weak_ptr<com::Object> object)
        : QObject(window), object(std::move(object)) {
        setObjectName(kObjecteName);
    }
    std::weak_ptr<com::Object> object;
};

}  // namespace

void MakeWindowKnown(QWidget* window, const com::ObjectRef& object) {
    delete window->findChild<KnownWindowObject*>(kObjecteName, Qt::FindDirectChildrenOnly);
    new KnownWindowObject(window, object);
}

com::ObjectRef ActiveWindowObject() {
    const QWidget* window = QApplication::activeWindow();
    const auto* known =
        window ? window->findChild<KnownWindowObject*>(kObjecteName, Qt::FindDirectChildrenOnly) : nullptr;
    return known ? known->object.lock() : nullptr;
}

}  // namespace velmar

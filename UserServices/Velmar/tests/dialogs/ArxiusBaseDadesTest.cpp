// Nothing in the program opens the files of the SQLite database it has open:
// closing any descriptor of such a file drops SQLite's locks on it, another
// program then deletes the WAL under the open connection, and every later
// save is lost while reported done. Each test lets a real program of its own
// (the sqlite3 shell) open, read and close the database after the program
// did what could open one of those files, then saves through a window and
// its support object, and has a third program read what was saved. Also
// where the photo choosers open.
#include <gtest/gtest.h>

#include <sys/inotify.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QProcess>
#include <QTreeWidget>
#include <QtTest/QTest>
#include <filesystem>

#include "connections/frmExportEsquema.h"
#include "core/clsFuncionsCapaInterficie/clsFuncionsCapaInterficie.h"
#include "dialogs/frmVisorImatge.h"
#include "framework/WindowFixture.h"
#include "lightpoints/frmPuntsLlum.h"
#include "network/frmZones.h"
#include "support/Installation.h"

namespace {

namespace fs = std::filesystem;
using velmar::frmZones;

ino_t Inode(const std::string& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 ? st.st_ino : 0;
}

// The files whose names begin with `prefix` that any process opened in a
// folder while the object lived (inotify: this process's own openings too).
class Obertures {
public:
    explicit Obertures(const fs::path& folder) : fd_(inotify_init1(IN_NONBLOCK | IN_CLOEXEC)) {
        inotify_add_watch(fd_, folder.c_str(), IN_OPEN);
    }
    ~Obertures() { ::close(fd_); }
    std::vector<std::string> De(const std::string& prefix) const {
        std::vector<std::string> opened;
        alignas(inotify_event) char buffer[4096];
        for (ssize_t n; (n = ::read(fd_, buffer, sizeof buffer)) > 0;)
            for (char* at = buffer; at < buffer + n; at += sizeof(inotify_event) + reinterpret_cast<inotify_event*>(at)->len) {
                const auto* event = reinterpret_cast<inotify_event*>(at);
                if (event->len > 0 && std::string(event->name).starts_with(prefix)) opened.push_back(event->name);
            }
        return opened;
    }

private:
    int fd_;
};

class ArxiusBaseDades : public WindowFixture {
protected:
    // Another program on the same database: the sqlite3 shell opens the
    // file, runs `sql` and closes it, and this is what it printed.
    std::string AltrePrograma(const std::string& sql) const {
        QProcess shell;
        shell.start("sqlite3", {"-bail", QString::fromStdString(db_), QString::fromStdString(sql)});
        EXPECT_TRUE(shell.waitForFinished(30000));
        EXPECT_EQ(shell.exitCode(), 0) << shell.readAllStandardError().toStdString();
        return shell.readAllStandardOutput().trimmed().toStdString();
    }

    // Whether this process holds a file of the database that another one
    // deleted.
    bool TeUnArxiuEsborrat() const {
        for (const auto& fd : fs::directory_iterator("/proc/self/fd")) {
            std::error_code ignored;
            const std::string target = fs::read_symlink(fd.path(), ignored).string();
            if (target.starts_with(db_) && target.ends_with(" (deleted)")) return true;
        }
        return false;
    }

    // After the program did what could have opened a file of the database,
    // with the zone window `w` editing Z-01: another program reads the
    // database and ends, the zone gets a new name, and a third program
    // reads it, with the zone's photo `foto`. The WAL is the one that was
    // there while the window was open, never deleted under it.
    void CapDesaEsPerd(frmZones& w, const std::string& foto) {
        EXPECT_EQ(AltrePrograma("SELECT COUNT(*) FROM T_Zona WHERE NumProjecte = 306"), "3");
        Text(w, "txtNomZona")->setText("Nucli antic renovat");
        Click(w, "cmdSortirEdicio");
        ASSERT_TRUE(sessio.shown.empty()) << sessio.shown.front();
        EXPECT_EQ(AltrePrograma("SELECT NomZona || '|' || FotoZona FROM T_Zona WHERE NumZona = 1"),
                  "Nucli antic renovat|" + foto);
        EXPECT_EQ(Inode(db_ + "-wal"), wal_) << "the WAL was deleted under the open connection";
        EXPECT_FALSE(TeUnArxiuEsborrat());
    }

    // The zone window on Z-01, editing, with the database's WAL there.
    void Edita(frmZones& w) {
        Click(w, "cmdEditar");
        wal_ = Inode(db_ + "-wal");
        ASSERT_NE(wal_, 0u);
    }

    // A person at the program's own file dialog, once it shows: goes to
    // `carpeta` and waits until the dialog lists `arxius` there with their
    // types (whatever it reads of them, it has read), then chooses `tria`.
    static void TriaAlDialeg(const fs::path& carpeta, std::vector<std::string> arxius, std::string tria) {
        QuanSObri<QFileDialog>([=](QFileDialog& d) {
            d.setDirectory(QString::fromStdString(carpeta.string()));
            const auto* model = d.findChild<QFileSystemModel*>();
            const bool llistats = QTest::qWaitFor([&] {
                for (const std::string& arxiu : arxius)
                    if (model->type(model->index(QString::fromStdString(arxiu))).isEmpty()) return false;
                return true;
            });
            EXPECT_TRUE(llistats) << "the dialog did not list " << carpeta;
            d.selectFile(QString::fromStdString(tria));
            static_cast<QDialog&>(d).accept();  // its Open button
        });
    }

    std::string Error521() { return "Error: " + Text("Errors", "Error521"); }

    const std::string db_ = sessio.connectionString().substr(sessio.connectionString().find("Data Source=") + 12);
    const fs::path carpeta_ = fs::path(db_).parent_path();
    ino_t wal_ = 0;
};

TEST_F(ArxiusBaseDades, TheFileDialogListsTheDatabasesFolderWithoutOpeningItsFilesAndNoSaveIsLost) {
    // A photo kept beside the database, where a person browses to it.
    const std::string foto = (carpeta_ / "Plaça.jpg").string();
    QImage(8, 8, QImage::Format_RGB32).save(QString::fromStdString(foto));
    frmZones w(306);
    Edita(w);
    const Obertures obertures(carpeta_);
    const std::vector<std::string> llistats{db_, db_ + "-wal", db_ + "-shm", foto};

    // The database itself is refused as the zone's photo.
    const std::string abans = Text(w, "txtFotoZona")->text().toStdString();
    TriaAlDialeg(carpeta_, llistats, db_);
    Click(w, "cmdRutaZona");
    EXPECT_EQ(Mostrat().substr(0, Error521().size()), Error521());
    EXPECT_EQ(Text(w, "txtFotoZona")->text().toStdString(), abans);

    TriaAlDialeg(carpeta_, llistats, foto);
    Click(w, "cmdRutaZona");
    EXPECT_EQ(Text(w, "txtFotoZona")->text().toStdString(), foto);
    EXPECT_EQ(obertures.De(fs::path(db_).filename()), std::vector<std::string>{});
    CapDesaEsPerd(w, foto);
}

TEST_F(ArxiusBaseDades, TheImageViewerRefusesTheDatabasesFilesAndNoSaveIsLost) {
    fs::create_symlink(db_, carpeta_ / "Plànol.png");
    frmZones w(306);
    Edita(w);
    const std::string foto = Text(w, "txtFotoZona")->text().toStdString();
    for (const std::string& path : {db_, db_ + "-wal", (carpeta_ / "Plànol.png").string()}) {
        // As the light-point window shows a pattern's photo...
        sessio.execute("UPDATE T_PatroPLL SET FotoPatro = '" + path + "'");
        velmar::frmPuntsLlum punts(306);
        Click(punts, "cmdFoto");
        EXPECT_EQ(Mostrat().substr(0, Error521().size()), Error521()) << path;
        for (QWidget* window : QApplication::topLevelWidgets())
            EXPECT_EQ(dynamic_cast<velmar::frmVisorImatge*>(window), nullptr) << path << ": a viewer opened";

        // ...and as the command line opens the viewer on a picture.
        velmar::frmVisorImatge visor;
        visor.strNomArxiuImatge = path;
        visor.Show();
        EXPECT_EQ(visor.NumError, base::err::DatabaseFile) << path;
        sessio.shown.clear();
    }
    CapDesaEsPerd(w, foto);
}

TEST_F(ArxiusBaseDades, NoExportWritesOverAFileOfTheDatabase) {
    frmZones w(306);
    Edita(w);
    const std::string foto = Text(w, "txtFotoZona")->text().toStdString();
    QTreeWidget element_tree;
    new QTreeWidgetItem(&element_tree, QStringList{"E-01"});
    const auto mida = fs::file_size(db_);
    for (const std::string& path : {db_, db_ + "-wal", db_ + "-journal"}) {
        velmar::frmExportEsquema exportacio;
        exportacio.EsquemaOriginal = &element_tree;
        exportacio.strRutaArxiu = path;
        exportacio.GravarEsquema();
        EXPECT_EQ(exportacio.NumError, base::err::DatabaseFile) << path;
    }
    EXPECT_EQ(fs::file_size(db_), mida);
    EXPECT_FALSE(fs::exists(db_ + "-journal"));
    CapDesaEsPerd(w, foto);
}

// A photo chooser opens in the folder of the zone's photo, with the photo
// chosen when it is there, and otherwise in the folder of the sample's
// photos that the program's settings name.
TEST_F(ArxiusBaseDades, APhotoChooserOpensWhereThePhotoIsElseInThePhotosFolder) {
    const std::string mostra = [] {
        frmZones sample(306);
        return Text(sample, "txtFotoZona")->text().toStdString();
    }();
    const std::string programa = testsupport::OwnInstallation().path("UserServices/Velmar");
    std::string settings = testsupport::ReadFile(programa + "/Velmar.INI");
    for (size_t at; (at = settings.find("{mod}")) != std::string::npos;) settings.replace(at, 5, programa);
    const testsupport::ScopedFile ini(velmar::clsFuncionsCapaInterficie().RutaArxiuIni(), settings);
    const testsupport::TempDir altra;
    const std::string foto = altra.file("foto.jpg");
    QImage(8, 8, QImage::Format_RGB32).save(QString::fromStdString(foto));

    const struct {
        std::string actual;
        fs::path carpeta;
        std::string triat;
    } cases[] = {
        {foto, altra.path(), foto},
        {altra.file("esborrada.jpg"), altra.path(), ""},
        {"/enlloc/foto.jpg", fs::path(mostra).parent_path(), ""},
        {"", fs::path(mostra).parent_path(), ""},
    };
    for (const auto& c : cases) {
        sessio.execute("UPDATE T_Zona SET FotoZona = " + (c.actual.empty() ? "NULL" : "'" + c.actual + "'") +
                       " WHERE NumZona = 1");
        frmZones w(306);
        Click(w, "cmdEditar");
        QString carpeta, triat;
        QuanSObri<QFileDialog>([&](QFileDialog& d) {
            carpeta = d.directory().canonicalPath();
            triat = d.selectedFiles().value(0);
            d.reject();
        });
        Click(w, "cmdRutaZona");
        EXPECT_EQ(carpeta.toStdString(), fs::canonical(c.carpeta).string()) << c.actual;
        if (!c.triat.empty()) {
            EXPECT_EQ(triat.toStdString(), c.triat);
        }
        EXPECT_EQ(Text(w, "txtFotoZona")->text().toStdString(), c.actual) << "cancelled: nothing chosen";
    }
}

}  // namespace

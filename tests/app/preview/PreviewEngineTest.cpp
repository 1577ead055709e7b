// Loads the real preview module the way the program does, in a program that does not link the
// browser engine itself, and checks the engine's start-up rules: the shared OpenGL context exists
// once the first preview opens, by whichever route this run takes, and the page renders. Run once
// as it is and once with HALVERO_PUBLIC_GL_SHARE=1.
#include "app/preview/PreviewEngine.h"
#include "app/Application.h"
#include <QDialog>

#include <QApplication>
#include <QFile>
#include <QOpenGLContext>
#include <QTemporaryDir>
#include <QTest>

class PreviewEngineTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        Application::configure();
        PreviewEngine::setModuleFile(QStringLiteral(HALVERO_MODULE_FILE));
    }

    void firstPreviewSharesTheOpenGLContextAndRenders() {
        const bool publicRoute = qEnvironmentVariableIntValue("HALVERO_PUBLIC_GL_SHARE") == 1;
        // The public route pays for the context at start; the other one not.
        QCOMPARE(QOpenGLContext::globalShareContext() != nullptr, publicRoute);

        QTemporaryDir folder;
        QString error;
        QWidget owner;
        QDialog* preview =
            PreviewEngine::load(&owner, folder.filePath(QStringLiteral("pattern.htm")),
                                "<html><body style='background:#6699CC'></body></html>", &error);
        QVERIFY2(preview, qPrintable(error));
        QVERIFY(QOpenGLContext::globalShareContext());
        QCOMPARE(QCoreApplication::testAttribute(Qt::AA_ShareOpenGLContexts), publicRoute);
        preview->show();
        QVERIFY(QTest::qWaitForWindowExposed(preview));
        auto* browser = preview->findChild<QWidget*>(QStringLiteral("browser"));
        QVERIFY(browser);
        const QPoint centre = browser->geometry().center();
        QTRY_COMPARE_WITH_TIMEOUT(preview->grab().toImage().pixelColor(centre),
                                  QColor(0x66, 0x99, 0xCC), 20000);
        preview->close();
    }
};

int main(int argc, char** argv) {
    PreviewEngine::configureBeforeApplication();
    QApplication application(argc, argv);
    PreviewEngineTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "PreviewEngineTest.moc"

#include <QApplication>

int runMainWindowTest(int argc, char** argv);
int runPrompterAndHelpTest(int argc, char** argv);
int runScreenshotTest(int argc, char** argv);
int runKeyboardTest(int argc, char** argv);
int runEditorWindowsTest(int argc, char** argv);

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    int failures = 0;
    failures += runMainWindowTest(argc, argv);
    failures += runPrompterAndHelpTest(argc, argv);
    failures += runKeyboardTest(argc, argv);
    failures += runEditorWindowsTest(argc, argv);
    failures += runScreenshotTest(argc, argv);
    return failures == 0 ? 0 : 1;
}

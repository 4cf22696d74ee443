// Uses the installed headers and libraries: saves a list, loads it back, prints what it found.

#include <lumdialogsversion.h>
#include <lumlibversion.h>
#include <tlistnames.h>
#include <tvalue.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>

#include <cstdio>

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    const QByteArray dir = QFile::encodeName(QDir::currentPath());
    PosLib::TNamedList list(PosLib::TListNames::forRoot(QStringLiteral("currencies")));
    auto* euro = new Basics::TValue;
    euro->setName(QStringLiteral("Euro"));
    list.append(euro);
    list.save(dir.constData());
    PosLib::TNamedList loaded(PosLib::TListNames::forFile(QStringLiteral("currency.dat")));
    const int result = loaded.load(dir.constData());
    std::printf("lumdialogs %s, lumlib %s: result %d, %d record(s), first %s\n", LumDialogs::version(),
                LumLib::version(), result, int(loaded.count()), qPrintable(loaded.find(1)->getName()));
    return result == 0 && loaded.count() == 1 ? 0 : 1;
}

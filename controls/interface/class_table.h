#pragma once
// A module's classes by CLSID: the one place a module's create() looks a class up.

#include <quorvane/control_library.h>

#include <array>
#include <cstddef>
#include <span>

namespace qv
{

struct ClassFactory {
    QStringView clsid;
    ControlLibrary::Creation (*create)(std::span<const std::byte> settings, QWidget &container);
    // The class's own members, when it has any: their description, and the maker of the object that carries
    // them for an instance (ownMembers<Members, Widget> below).
    const QMetaObject *description = nullptr;
    MemberObject *(*members)(QObject &instance) = nullptr;
};

// The members maker of a class whose own members are Members, made over its instance's Widget.
template<class Members, class Widget> MemberObject *makeOwnMembers(QObject &instance)
{
    return new Members(static_cast<Widget &>(instance));
}

// A table's entry for a class with its own members.
template<class Members, class Widget>
constexpr ClassFactory
describedClass(QStringView clsid, ControlLibrary::Creation (*create)(std::span<const std::byte>, QWidget &))
{
    return { clsid, create, &Members::staticMetaObject, &makeOwnMembers<Members, Widget> };
}

// Whether two class identities are the same, compared without regard to case as the lookup does; usable at
// compile time.
constexpr bool sameClassId(QStringView a, QStringView b)
{
    if (a.size() != b.size())
        return false;
    const auto folded
        = [](char16_t c) { return c >= u'a' && c <= u'z' ? static_cast<char16_t>(c - u'a' + u'A') : c; };
    for (qsizetype i = 0; i < a.size(); ++i) {
        if (folded(a.utf16()[i]) != folded(b.utf16()[i]))
            return false;
    }
    return true;
}

template<std::size_t N> constexpr bool distinctClassIds(const std::array<QStringView, N> &ids)
{
    for (std::size_t i = 0; i < N; ++i) {
        for (std::size_t j = i + 1; j < N; ++j) {
            if (sameClassId(ids[i], ids[j]))
                return false;
        }
    }
    return true;
}

// Whether a module's table makes exactly the classes of its library: one factory for each class, none for a
// class of another library, no class identity twice. Each module checks its table with this when it is built,
// against its library's classes as the manifest's data lists them.
template<std::size_t N, std::size_t M>
constexpr bool makesEachClassOnce(const std::array<ClassFactory, N> &table,
                                  const std::array<QStringView, M> &libraryClasses)
{
    std::array<QStringView, N> made {};
    for (std::size_t i = 0; i < N; ++i)
        made[i] = table[i].clsid;
    if (N != M || !distinctClassIds(made) || !distinctClassIds(libraryClasses))
        return false;
    for (const QStringView id : made) {
        bool ofTheLibrary = false;
        for (const QStringView libraryClass : libraryClasses)
            ofTheLibrary = ofTheLibrary || sameClassId(id, libraryClass);
        if (!ofTheLibrary)
            return false;
    }
    return true;
}

// A module whose classes stand in one table: each answer looks the class up by its CLSID (compared without
// regard to case, as the registry does).
class TableLibrary : public ControlLibrary
{
public:
    TableLibrary(std::span<const ClassFactory> classes, QStringView libraryFile)
        : classes_(classes)
        , libraryFile_(libraryFile)
    {
    }

    // Or says that the library has no such class.
    Creation create(QStringView clsid, std::span<const std::byte> settings, QWidget &container) override;
    const QMetaObject *description(QStringView clsid) const override;
    MemberObject *members(QStringView clsid, QObject &instance) override;

private:
    const ClassFactory *find(QStringView clsid) const;

    std::span<const ClassFactory> classes_;
    QStringView libraryFile_;
};

} // namespace qv

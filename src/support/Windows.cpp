#include "support/Windows.h"

#include "support/RoomWindow.h"

#include <stdexcept>

namespace {
Windows::RoomLoader& roomLoader() {
    static Windows::RoomLoader loader;
    return loader;
}
Windows::QueryFactory& queryFactory() {
    static Windows::QueryFactory factory;
    return factory;
}
} // namespace

void Windows::setRoomLoader(RoomLoader loader) {
    roomLoader() = std::move(loader);
}

RoomWindow& Windows::room() {
    if (!roomLoader())
        throw std::logic_error("no room window registered");
    return roomLoader()();
}

RichTextBox& Windows::roomPane() {
    return room().DataInPane();
}

void Windows::setQueryFactory(QueryFactory factory) {
    queryFactory() = std::move(factory);
}

QueryWindow* Windows::newQuery() {
    if (!queryFactory())
        throw std::logic_error("no conversation window registered");
    return queryFactory()();
}

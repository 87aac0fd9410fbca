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

void Windows::SetRoomLoader(RoomLoader loader) {
    roomLoader() = std::move(loader);
}

RoomWindow& Windows::Room() {
    if (!roomLoader())
        throw std::logic_error("no room window registered");
    return roomLoader()();
}

RichTextBox& Windows::RoomPane() {
    return Room().DataInPane();
}

void Windows::SetQueryFactory(QueryFactory factory) {
    queryFactory() = std::move(factory);
}

QueryWindow* Windows::NewQuery() {
    if (!queryFactory())
        throw std::logic_error("no conversation window registered");
    return queryFactory()();
}

#pragma once

// The numeric replies the interpreter tells apart, each named once after the
// protocol's own name for it (RPL_ for replies, ERR_ for errors).
namespace Numeric {

// Registration.
inline constexpr char kRplWelcome[] = "001";
inline constexpr char kRplYourHost[] = "002";
inline constexpr char kRplCreated[] = "003";
inline constexpr char kRplMyInfo[] = "004";
inline constexpr char kRplISupport[] = "005";

// Server statistics, shown as they come.
inline constexpr char kRplLuserClient[] = "251";
inline constexpr char kRplLuserOp[] = "252";
inline constexpr char kRplLuserUnknown[] = "253";
inline constexpr char kRplLuserChannels[] = "254";
inline constexpr char kRplLuserMe[] = "255";
inline constexpr char kRplLocalUsers[] = "265";
inline constexpr char kRplGlobalUsers[] = "266";

// Away, WHOIS and ISON.
inline constexpr char kRplAway[] = "301";
inline constexpr char kRplIsOn[] = "303";
inline constexpr char kRplUnaway[] = "305";
inline constexpr char kRplNowAway[] = "306";
inline constexpr char kRplWhoisRegNick[] = "307";
inline constexpr char kRplWhoisUser[] = "311";
inline constexpr char kRplWhoisServer[] = "312";
inline constexpr char kRplWhoisOperator[] = "313";
inline constexpr char kRplWhoisIdle[] = "317";
inline constexpr char kRplEndOfWhois[] = "318";
inline constexpr char kRplWhoisChannels[] = "319";
inline constexpr char kRplWhoisSpecial[] = "320";

// The room list, the room's modes, address and topic, its members.
inline constexpr char kRplListStart[] = "321";
inline constexpr char kRplList[] = "322";
inline constexpr char kRplListEnd[] = "323";
inline constexpr char kRplChannelModeIs[] = "324";
inline constexpr char kRplChannelUrl[] = "328";
inline constexpr char kRplCreationTime[] = "329";
inline constexpr char kRplTopic[] = "332";
inline constexpr char kRplTopicWhoTime[] = "333";
inline constexpr char kRplNamReply[] = "353";
inline constexpr char kRplEndOfNames[] = "366";

// The invitation, exception and ban lists: entries and their ends.
inline constexpr char kRplInviteList[] = "346";
inline constexpr char kRplEndOfInviteList[] = "347";
inline constexpr char kRplExceptList[] = "348";
inline constexpr char kRplEndOfExceptList[] = "349";
inline constexpr char kRplBanList[] = "367";
inline constexpr char kRplEndOfBanList[] = "368";

// The message of the day.
inline constexpr char kRplMotd[] = "372";
inline constexpr char kRplMotdStart[] = "375";
inline constexpr char kRplEndOfMotd[] = "376";
inline constexpr char kErrNoMotd[] = "422";

// Errors shown as they come.
inline constexpr char kErrNoSuchNick[] = "401";
inline constexpr char kErrNoSuchServer[] = "402";
inline constexpr char kErrNoSuchChannel[] = "403";
inline constexpr char kErrNoTextToSend[] = "412";
inline constexpr char kErrUnknownCommand[] = "421";
inline constexpr char kErrNeedMoreParams[] = "461";
inline constexpr char kErrNoPrivileges[] = "481";
inline constexpr char kErrChanOpPrivsNeeded[] = "482";
inline constexpr char kErrRestricted[] = "484";

// The own nick refused.
inline constexpr char kErrNoNicknameGiven[] = "431";
inline constexpr char kErrErroneousNickname[] = "432";
inline constexpr char kErrNicknameInUse[] = "433";

// A room that does not let the user in.
inline constexpr char kErrChannelIsFull[] = "471";
inline constexpr char kErrInviteOnlyChan[] = "473";
inline constexpr char kErrBannedFromChan[] = "474";
inline constexpr char kErrBadChannelKey[] = "475";

} // namespace Numeric

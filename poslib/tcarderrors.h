#pragma once

// The codes with which the card reader and the card server report the outcome of an operation:
// 0 for success, negative for an error. The reader device turns them into texts for the operator.
namespace PosLib::CardError {

enum Code : int {
    Success = 0,
    NoCard = -1,
    UnresponsiveCard = -2,
    UnsupportedCard = -3,
    ReaderInUse = -4,
    JammedCard = -10,
    UnsupportedReader = -19,
    NoDataBlock = -20,
    NotK7Card = -21,
    CardDataMismatch = -22,
    NotInDatabase = -23,
    CounterMismatch = -24,
    ShadowDataMismatch = -25,
    NoDatabase = -26,
    WrongMandant = -40,
    NoMifareKey = -50,
    NoMifareUid = -51,
    NoSectionBlock = -52,
    NoKeySection = -53,
    WrongMifareUid = -54,
    Authorisation = -98,
    ApplicationBlocked = -99,
    InternalError = -100,
};

} // namespace PosLib::CardError

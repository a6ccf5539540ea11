// The numbers of the window's commands. Toolbar buttons and menu items carry them as the
// action's data, so that menus, keys and other threads name a command the same way.
#pragma once

namespace pictavo {

enum CommandId : int {
  kCmdDefaultNameBlank = 35700,
  kCmdDefaultNameTime = 35701,
  kCmdDefaultNameFirstPicture = 35702,
  kCmdBackgroundWhite = 35703,
  kCmdBackgroundBlack = 35704,
  kCmdCloseExits = 35705,
  kCmdCloseHidesToTray = 35706,
  kCmdUserGuideMenu = 35707,
  kCmdNewProject = 35708,
  kCmdOpenProject = 35709,
  kCmdSaveProject = 35710,
  kCmdSaveProjectAs = 35711,
  kCmdCaptionMargins = 35712,
  kCmdLoopPlaySettings = 35713,
  kCmdFramePipeRaw = 35714,
  kCmdFramePipeMjpeg = 35715,
  kCmdLanguageSystem = 35716,
  kCmdLanguageSimplified = 35717,
  kCmdLanguageTraditional = 35718,
  kCmdLanguageEnglish = 35719,

  kCmdAddPictures = 35100,
  kCmdLoadProduct = 35101,
  kCmdRemovePictures = 35102,
  kCmdImportAnimation = 35103,
  kCmdTurnLeft = 35104,
  kCmdTurnRight = 35105,
  kCmdMoveLeft = 35106,
  kCmdMoveRight = 35107,
  kCmdProjects = 35108,
  kCmdPreview = 35109,
  kCmdGenerate = 35110,
  kCmdShortcut = 35111,
  kCmdWebsite = 35112,
  kCmdAbout = 35113,
  kCmdUserGuide = 35114,
  kCmdGifMode = 35115,
  kCmdSettings = 35116,

  kCmdMenuAddPictures = 35210,
  kCmdRemoveSelected = 35211,
  kCmdRemoveAll = 35212,
  kCmdRandomOrder = 35213,
  kCmdNewEffectSet = 35214,
  kCmdSameEffectForAll = 35215,
  kCmdCaptionsFlushDiagonal = 35216,
  kCmdCaptionsFlushCrossing = 35217,
  kCmdCaptionsInsetDiagonal = 35218,
  kCmdCaptionsInsetCrossing = 35219,
  kCmdCaptionsMiddleBottom = 35220,
  kCmdPreviewPictureEffect = 35221,
  kCmdInsertPictures = 35223,
  kCmdSetAsCover = 35224,

  kCmdTrayShowWindow = 36202,
  kCmdTrayExit = 36203,
};

}  // namespace pictavo

#include "meter/config/registry_class.h"

namespace qn::meter {

namespace {

// A shell command line starting the program on the document: "path" [switch] "%1".
std::string ShellCommand(const std::string& programPath, const std::string& switchText) {
    return "\"" + programPath + "\" " + switchText + "\"%1\"";
}

}  // namespace

void cRegistry::CreateEXEAssociation(const ExeAssociation& association) {
    const std::string& className = association.className;
    const std::string& program = association.programPath;
    valueKey_.clear();
    valueType_ = kRegSz;
    const auto set = [this](const std::string& section, const std::string& data) {
        sectionKey_ = section;
        SetClassValue(data);
    };
    const auto verb = [&](const std::string& name, const std::string& text,
                          const std::string& switchText) {
        set(className + "\\shell\\" + name, text);
        set(className + "\\shell\\" + name + "\\command", ShellCommand(program, switchText));
    };
    set("." + association.fileExtension, className);
    set(className, association.classDescription);
    verb("open", association.openMenuText, "");
    if (association.supportPrint) verb("print", association.printMenuText, "/p ");
    if (association.supportNew) verb("new", association.newMenuText, "/n ");
    if (association.supportInstall) verb("add", association.installMenuText, "/a ");
    set(className + "\\DefaultIcon", program + "," + std::to_string(association.defaultIconIndex));
}

void cRegistry::CreateAdditionalEXEAssociations(const std::string& className,
                                                const std::vector<std::string>& nameTextCommand) {
    if (nameTextCommand.size() % 3 != 0)
        Raise(
            "Invalid parameter list passed to CreateAdditionalEXEAssociations - expected "
            "Name/Text/Command");
    classKey_ = kHkeyClassesRoot;
    sectionKey_ = className;
    if (!KeyExists())
        Raise("Error - attempt to create additional associations before class defined.");
    valueKey_.clear();
    valueType_ = kRegSz;
    for (std::size_t i = 0; i < nameTextCommand.size(); i += 3) {
        const std::string verbKey = className + "\\shell\\" + nameTextCommand[i];
        sectionKey_ = verbKey;
        SetClassValue(nameTextCommand[i + 1]);
        sectionKey_ = verbKey + "\\command";
        SetClassValue(nameTextCommand[i + 2]);
    }
}

void cRegistry::SetClassValue(const std::string& data) {
    const std::string section = sectionKey_;
    classKey_ = kHkeyClassesRoot;
    SetValue(data);
    classKey_ = kHkeyLocalMachine;
    sectionKey_ = "SOFTWARE\\Classes\\" + section;
    SetValue(data);
    sectionKey_ = section;
}

}  // namespace qn::meter

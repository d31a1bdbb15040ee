// manual_page.h — a program's manual page, made from a template and the
// program's reference: the options and keys that --help lists, so the page
// can never miss one.
#pragma once

#include "common/command_line.h"

#include <string>

// The template's text with its placeholders filled in:
//   @VERSION@   the program's version
//   @DATE@      `date`, the release date
//   @SYNOPSIS@  the command with its options, then with --help | --version
//   @OPTIONS@   the reference's first section, one tagged paragraph each
//   @KEYS@      the other sections; with more than one, each under a
//               subheading of its title
// Terms and texts are escaped for the page's formatter, so no text of a
// table can turn into a request.
std::string manualPage(const std::string& text, const ProgramReference& reference, const std::string& date);

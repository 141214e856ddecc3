#pragma once

namespace velmora {

// The web sites the program points to, each with its scheme and host; pages add their paths.
// The public portal of vocational training of the Ministry of Education.
inline constexpr const char* kVocationalTrainingPortal = "https://www.todofp.es";
// The public employment service, with its pages on professional certificates.
inline constexpr const char* kEmploymentServiceSite = "https://www.sepe.es";
// The program's own web site, which keeps the documents its screens point to.
inline constexpr const char* kProgramSite = "https://www.velmora.es";
// The ministry in charge of universities, which publishes the figures of the university system.
inline constexpr const char* kUniversitiesMinistry = "https://www.ciencia.gob.es";

}  // namespace velmora

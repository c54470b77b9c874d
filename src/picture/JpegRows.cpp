#include "picture/RowReceiver.h"

#include <csetjmp>
#include <cstdio>  // jpeglib.h needs FILE and size_t declared first

#include <jerror.h>
#include <jpeglib.h>

#include "picture/ForwardReader.h"

namespace {

// The file is handed to the decoder a megabyte at a time, so that the part it has read can be
// discarded behind it. Its fast Huffman path needs a few kilobytes ahead, which a chunk leaves it
// nearly always.
constexpr size_t kChunk = size_t(1) << 20;
// A progressive file may carry any number of scans, each a pass over the whole coefficient buffer;
// real encoders write about ten. More than this is a file made to keep the decoder busy.
constexpr int kMaxScans = 1000;

struct Source {
    jpeg_source_mgr manager;  // first: the decoder's pointer to it is a pointer to this
    ForwardReader reader;
};

Source& SourceOf(j_decompress_ptr cinfo) {
    return *reinterpret_cast<Source*>(cinfo->src);
}

void InitSource(j_decompress_ptr) {}
void TermSource(j_decompress_ptr) {}

// Past the end: a warning, which marks the file truncated, and an end marker so that the decoder
// stops where it is (what libjpeg's own memory source does).
boolean FillInput(j_decompress_ptr cinfo) {
    static const JOCTET kEnd[2] = {0xFF, JPEG_EOI};
    Source& source = SourceOf(cinfo);
    ForwardReader& reader = source.reader;
    if (reader.Left() == 0) {
        WARNMS(cinfo, JWRN_JPEG_EOF);
        source.manager.next_input_byte = kEnd;
        source.manager.bytes_in_buffer = sizeof kEnd;
        return TRUE;
    }
    reader.Used();  // the decoder asks for more only once it has used all it was given
    const size_t length = reader.Left() < kChunk ? reader.Left() : kChunk;
    source.manager.next_input_byte = reader.data + reader.position;
    source.manager.bytes_in_buffer = length;
    reader.position += length;
    return TRUE;
}

void SkipInput(j_decompress_ptr cinfo, long count) {
    Source& source = SourceOf(cinfo);
    if (count <= 0)
        return;
    size_t skip = static_cast<size_t>(count);
    if (skip <= source.manager.bytes_in_buffer) {
        source.manager.next_input_byte += skip;
        source.manager.bytes_in_buffer -= skip;
        return;
    }
    skip -= source.manager.bytes_in_buffer;
    source.manager.bytes_in_buffer = 0;
    source.reader.position += skip < source.reader.Left() ? skip : source.reader.Left();
}

// The decoder's errors end the read by jumping back into Decode; its warnings are counted by kind.
struct Errors {
    jpeg_error_mgr manager;  // first, as with the source
    std::jmp_buf jump;
    bool ended;  // the file ended early
    // The size the frame header gave before the end; 0 where it was not read by then (the decoder
    // reads the end marker put in its place as the rest of the header).
    JDIMENSION widthAtEnd, heightAtEnd;
    bool lostData;  // entropy data was corrupt: some blocks were filled in
    bool tooManyScans;
    char detail[JMSG_LENGTH_MAX];  // the first loss of data, or the error
};

Errors& ErrorsOf(j_common_ptr cinfo) {
    return *reinterpret_cast<Errors*>(cinfo->err);
}

[[noreturn]] void ErrorExit(j_common_ptr cinfo) {
    Errors& errors = ErrorsOf(cinfo);
    (*cinfo->err->format_message)(cinfo, errors.detail);
    std::longjmp(errors.jump, 1);
}

void EmitMessage(j_common_ptr cinfo, int level) {
    if (level >= 0)
        return;  // trace messages
    Errors& errors = ErrorsOf(cinfo);
    switch (cinfo->err->msg_code) {
        case JWRN_JPEG_EOF:
            if (!errors.ended) {
                const auto* decompress = reinterpret_cast<j_decompress_ptr>(cinfo);
                errors.widthAtEnd = decompress->image_width;
                errors.heightAtEnd = decompress->image_height;
            }
            errors.ended = true;
            break;
        case JWRN_HIT_MARKER:
        case JWRN_HUFF_BAD_CODE:
        case JWRN_MUST_RESYNC:
            if (!errors.lostData)
                (*cinfo->err->format_message)(cinfo, errors.detail);
            errors.lostData = true;
            break;
        default:  // extraneous bytes, unknown header revisions: nothing of the picture lost
            break;
    }
    cinfo->err->num_warnings++;
}

void OutputMessage(j_common_ptr) {}

void CountScans(j_common_ptr cinfo) {
    const auto* decompress = reinterpret_cast<j_decompress_ptr>(cinfo);
    if (decompress->input_scan_number > kMaxScans) {
        ErrorsOf(cinfo).tooManyScans = true;
        std::longjmp(ErrorsOf(cinfo).jump, 1);
    }
}

// Adobe's CMYK, stored inverted: each of red, green and blue is its channel times black / 255,
// rounded; in place, 4 bytes a pixel to 3.
void CmykToRgb(uint8_t* row, JDIMENSION width) {
    for (JDIMENSION x = 0; x < width; ++x) {
        const unsigned black = row[4 * x + 3];
        for (int channel = 0; channel < 3; ++channel) {
            const unsigned product = row[4 * x + channel] * black + 128;
            row[3 * x + channel] = static_cast<uint8_t>((product + (product >> 8)) >> 8);
        }
    }
}

struct Job {
    jpeg_decompress_struct cinfo;
    Errors errors;
    Source source;
    jpeg_progress_mgr progress;
    uint64_t maxPixels;
    RowReceiver* receiver;
    bool noMemory;
};

// The whole conversation with the decoder. It holds nothing that would need destroying, because
// an error jumps straight back to the start; false then, with the reason in the job's errors.
bool Decode(Job& job) {
    j_decompress_ptr cinfo = &job.cinfo;
    if (setjmp(job.errors.jump))
        return false;
    jpeg_create_decompress(cinfo);
    cinfo->src = &job.source.manager;
    cinfo->progress = &job.progress;
    jpeg_read_header(cinfo, TRUE);
    if (uint64_t(cinfo->image_width) * cinfo->image_height > job.maxPixels || !job.receiver)
        return true;
    // What djpeg does by default, the accurate integer IDCT included; grey pictures widened to RGB.
    cinfo->dct_method = JDCT_ISLOW;
    const bool cmyk = cinfo->jpeg_color_space == JCS_CMYK || cinfo->jpeg_color_space == JCS_YCCK;
    cinfo->out_color_space = cmyk ? JCS_CMYK : JCS_RGB;
    jpeg_start_decompress(cinfo);
    const int32_t width = static_cast<int32_t>(cinfo->output_width);
    const int32_t height = static_cast<int32_t>(cinfo->output_height);
    if (!job.receiver->Start(width, height, 3)) {
        job.noMemory = true;
        return true;
    }
    JSAMPARRAY row = (*cinfo->mem->alloc_sarray)(reinterpret_cast<j_common_ptr>(cinfo), JPOOL_IMAGE,
                                                 cinfo->output_width * cinfo->output_components, 1);
    while (cinfo->output_scanline < cinfo->output_height) {
        const int32_t top = static_cast<int32_t>(cinfo->output_scanline);
        const int32_t wanted = job.receiver->NextWanted(top);
        if (wanted > top) {
            jpeg_skip_scanlines(cinfo, static_cast<JDIMENSION>(wanted - top));
            continue;
        }
        jpeg_read_scanlines(cinfo, row, 1);
        if (cmyk)
            CmykToRgb(row[0], cinfo->output_width);
        job.receiver->Take(top, row[0]);
    }
    jpeg_finish_decompress(cinfo);
    return true;
}

bool IsUnsupported(int code) {
    return code == JERR_BAD_PRECISION || code == JERR_NOT_COMPILED || code == JERR_CONVERSION_NOTIMPL ||
           code == JERR_NOTIMPL || code == JERR_ARITH_NOTIMPL || code == JERR_CCIR601_NOTIMPL;
}

}  // namespace

ImageProblem ReadJpegRows(const uint8_t* file,
                          size_t size,
                          uint64_t maxPixels,
                          RowReceiver* receiver,
                          const DiscardRange& discard) {
    Job job{};
    job.cinfo.err = jpeg_std_error(&job.errors.manager);
    job.errors.manager.error_exit = ErrorExit;
    job.errors.manager.emit_message = EmitMessage;
    job.errors.manager.output_message = OutputMessage;
    job.source.manager.init_source = InitSource;
    job.source.manager.fill_input_buffer = FillInput;
    job.source.manager.skip_input_data = SkipInput;
    job.source.manager.resync_to_restart = jpeg_resync_to_restart;
    job.source.manager.term_source = TermSource;
    job.source.reader = {file, size, &discard};
    job.progress.progress_monitor = CountScans;
    job.maxPixels = maxPixels;
    job.receiver = receiver;

    const bool finished = Decode(job);
    ImageProblem problem;
    problem.format = ImageFormat::Jpeg;
    const bool ended = job.errors.ended;
    problem.width = static_cast<int32_t>(ended ? job.errors.widthAtEnd : job.cinfo.image_width);
    problem.height = static_cast<int32_t>(ended ? job.errors.heightAtEnd : job.cinfo.image_height);
    const int code = job.errors.manager.msg_code;
    jpeg_destroy_decompress(&job.cinfo);
    // Told from the frame header, even when the file failed after it.
    if (uint64_t(problem.width) * uint64_t(problem.height) > maxPixels) {
        problem.error = ImageError::TooLarge;
    } else if (job.noMemory || (!finished && code == JERR_OUT_OF_MEMORY)) {
        problem.error = ImageError::OutOfMemory;
    } else if (ended) {
        problem.error = ImageError::Truncated;  // whatever the early end made the decoder say next
    } else if (job.errors.tooManyScans) {
        problem.error = ImageError::Damaged;
        problem.detail = "more scans than any picture needs";
    } else if (!finished || job.errors.lostData) {
        problem.error = !finished && IsUnsupported(code) ? ImageError::Unsupported : ImageError::Damaged;
        problem.detail = job.errors.detail;
    }
    return problem;
}
